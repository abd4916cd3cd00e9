// Writes one of the program's guides as a PDF file through the project's PDF writer,
// from a plain text source kept beside this file. The build runs it with the host's
// compiler, so that the cross builds make the guides without running Windows code.
//
//   make_guide SOURCE.txt OUTPUT.pdf ROOT
//
// ROOT is the folder that the pictures named in the source are relative to (the
// project's root). The source is ASCII, one block per line kind:
//   = Title                    the guide's title, large, on top of the first page
//   : Subtitle                 a line under the title
//   # Section                  a section heading (a section starts a new page when
//                              less than a quarter of the page is left)
//   ## Heading                 a heading inside a section
//   text                       a paragraph: lines are joined up to a blank line
//   - text                     a bullet item; following lines indented by two blanks
//                              continue it
//   | term | text              a row of two columns: the term in bold, the text wrapped
//       code                   four blanks: a line of fixed-width text, as it is
//   ! picture.png | caption    a PNG picture, scaled to fit, with its caption
//   \page                      a new page
// Exit code 0 when written; 1 with a message on standard error otherwise (a source or
// picture that cannot be read, a picture that is not a PNG this reader takes).
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "pdf/cpdf.h"

namespace {

// ---- Pictures ------------------------------------------------------------------------

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // 8 bits per component, rows top to bottom
};

uint32_t bigEndian(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 | p[3];
}

int paeth(int a, int b, int c) {
  const int p = a + b - c;
  const int pa = p > a ? p - a : a - p;
  const int pb = p > b ? p - b : b - p;
  const int pc = p > c ? p - c : c - p;
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// A non-interlaced PNG of any colour type at 1 to 8 bits per sample; transparency is
// laid over white.
Picture readPng(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the picture " + path);
  const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  static const uint8_t signature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
  if (file.size() < 8 || std::memcmp(file.data(), signature, 8) != 0) throw std::runtime_error(path + " is not a PNG");
  int width = 0, height = 0, depth = 0, type = 0, interlace = 0;
  std::vector<uint8_t> palette, alphaOfIndex, packed;
  for (size_t at = 8; at + 12 <= file.size();) {
    const uint32_t length = bigEndian(&file[at]);
    if (length > file.size() - at - 12) throw std::runtime_error(path + ": a chunk runs past the end");
    const std::string kind(reinterpret_cast<const char*>(&file[at + 4]), 4);
    const uint8_t* data = &file[at + 8];
    if (kind == "IHDR" && length >= 13) {
      width = static_cast<int>(bigEndian(data));
      height = static_cast<int>(bigEndian(data + 4));
      depth = data[8];
      type = data[9];
      interlace = data[12];
    } else if (kind == "PLTE") {
      palette.assign(data, data + length);
    } else if (kind == "tRNS") {
      alphaOfIndex.assign(data, data + length);
    } else if (kind == "IDAT") {
      packed.insert(packed.end(), data, data + length);
    } else if (kind == "IEND") {
      break;
    }
    at += 12 + length;
  }
  if (width <= 0 || height <= 0 || width > 8192 || height > 8192 || depth > 8 || interlace != 0 ||
      (type != 0 && type != 2 && type != 3 && type != 4 && type != 6)) {
    throw std::runtime_error(path + ": a PNG kind this reader does not take");
  }
  const int channels = type == 2 ? 3 : type == 6 ? 4 : type == 4 ? 2 : 1;
  const size_t stride = (static_cast<size_t>(width) * channels * depth + 7) / 8;
  std::vector<uint8_t> raw((stride + 1) * height);
  uLongf rawSize = static_cast<uLongf>(raw.size());
  if (uncompress(raw.data(), &rawSize, packed.data(), static_cast<uLong>(packed.size())) != Z_OK ||
      rawSize != raw.size()) {
    throw std::runtime_error(path + ": its picture data cannot be unpacked");
  }
  const size_t bpp = (static_cast<size_t>(channels) * depth + 7) / 8;
  std::vector<uint8_t> prior(stride, 0);
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.rgb.resize(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = &raw[y * (stride + 1) + 1];
    const uint8_t filter = row[-1];
    for (size_t i = 0; i < stride; ++i) {
      const int a = i >= bpp ? row[i - bpp] : 0;
      const int b = prior[i];
      const int c = i >= bpp ? prior[i - bpp] : 0;
      int add = 0;
      switch (filter) {
        case 1: add = a; break;
        case 2: add = b; break;
        case 3: add = (a + b) / 2; break;
        case 4: add = paeth(a, b, c); break;
        default: break;
      }
      row[i] = static_cast<uint8_t>(row[i] + add);
    }
    prior.assign(row, row + stride);
    const int maxSample = (1 << depth) - 1;
    auto sample = [&](int index) {
      if (depth == 8) return static_cast<int>(row[index]);
      const size_t bit = static_cast<size_t>(index) * depth;
      return (row[bit / 8] >> (8 - depth - bit % 8)) & maxSample;
    };
    for (int x = 0; x < width; ++x) {
      int r, g, b, alpha = 255;
      if (type == 3) {
        const int index = sample(x);
        if (static_cast<size_t>(index) * 3 + 2 >= palette.size()) throw std::runtime_error(path + ": a colour outside its palette");
        r = palette[index * 3];
        g = palette[index * 3 + 1];
        b = palette[index * 3 + 2];
        if (static_cast<size_t>(index) < alphaOfIndex.size()) alpha = alphaOfIndex[index];
      } else if (type == 0 || type == 4) {
        r = g = b = sample(x * channels) * 255 / maxSample;
        if (type == 4) alpha = sample(x * channels + 1) * 255 / maxSample;
      } else {
        r = sample(x * channels);
        g = sample(x * channels + 1);
        b = sample(x * channels + 2);
        if (type == 6) alpha = sample(x * channels + 3);
      }
      uint8_t* out = &picture.rgb[(static_cast<size_t>(y) * width + x) * 3];
      out[0] = static_cast<uint8_t>((r * alpha + 255 * (255 - alpha)) / 255);
      out[1] = static_cast<uint8_t>((g * alpha + 255 * (255 - alpha)) / 255);
      out[2] = static_cast<uint8_t>((b * alpha + 255 * (255 - alpha)) / 255);
    }
  }
  return picture;
}

// ---- Page layout ---------------------------------------------------------------------

constexpr float kPageWidth = 612;
constexpr float kPageHeight = 792;
constexpr float kLeft = 64;
constexpr float kRight = kPageWidth - 64;
constexpr float kTop = kPageHeight - 64;
constexpr float kBottom = 72;

struct Style {
  const char* font;
  float size;
  float leading;
  float r, g, b;
};
const Style kBody = {"Helvetica", 10.5f, 14.0f, 0, 0, 0};
const Style kBold = {"Helvetica-Bold", 10.5f, 14.0f, 0, 0, 0};
const Style kTitle = {"Helvetica-Bold", 24.0f, 30.0f, 0.1f, 0.2f, 0.5f};
const Style kSubtitle = {"Helvetica", 13.0f, 18.0f, 0.25f, 0.25f, 0.25f};
const Style kSection = {"Helvetica-Bold", 15.0f, 20.0f, 0.1f, 0.2f, 0.5f};
const Style kHeading = {"Helvetica-Bold", 12.0f, 16.0f, 0, 0, 0};
const Style kCode = {"Courier", 9.5f, 12.0f, 0.15f, 0.15f, 0.15f};
const Style kCaption = {"Helvetica-Oblique", 9.0f, 12.0f, 0.3f, 0.3f, 0.3f};
const Style kFooter = {"Helvetica", 8.5f, 10.0f, 0.4f, 0.4f, 0.4f};

class Writer {
 public:
  Writer(const std::string& root) : root_(root) {
    doc_ = cpdf_open(0, nullptr);
    if (!doc_) throw std::runtime_error("the PDF writer could not start");
    cpdf_enableCompression(doc_, 1);
    cpdf_init(doc_);
    cpdf_infoCreator(doc_, "Palvermontine guide writer");
    cpdf_infoProducer(doc_, "Palvermontine", "4.1", "", "");
    cpdf_infoAuthor(doc_, "Palvermontine");
  }
  ~Writer() { cpdf_close(doc_); }

  void title(const std::string& text) {
    title_ = text;
    cpdf_infoTitle(doc_, text.c_str());
    ensurePage();
    space(6);
    line(kTitle, kLeft, text);
    space(4);
  }
  void subtitle(const std::string& text) {
    line(kSubtitle, kLeft, text);
    space(4);
  }

  void section(const std::string& text) {
    ensurePage();
    if (y_ - kBottom < (kTop - kBottom) / 4) newPage();
    space(y_ < kTop ? 14 : 0);
    need(kSection.leading + 2 * kBody.leading);
    line(kSection, kLeft, text);
    // A rule under the section's heading.
    cpdf_setrgbcolorStroke(doc_, kSection.r, kSection.g, kSection.b);
    cpdf_lineWidthW(doc_, 0.8f);
    cpdf_rawMoveto(doc_, kLeft, y_ - 2);
    cpdf_rawLineto(doc_, kRight, y_ - 2);
    cpdf_stroke(doc_);
    space(10);
  }
  void heading(const std::string& text) {
    ensurePage();
    space(6);
    // A heading is kept with a good part of what follows it (often a picture).
    need(kHeading.leading + 8 * kBody.leading);
    line(kHeading, kLeft, text);
    space(2);
  }
  void paragraph(const std::string& text) {
    wrapped(kBody, kLeft, kRight, text);
    space(6);
  }
  void bullet(const std::string& text) {
    ensurePage();
    // The mark goes with the item's first line, which is on this page.
    need(2 * kBody.leading);
    setStyle(kBody);
    textAt(kLeft + 4, y_ - kBody.leading + (kBody.leading - kBody.size) * 0.5f, "\x95");
    wrapped(kBody, kLeft + 14, kRight, text);
    space(2);
  }
  void row(const std::string& term, const std::string& text) {
    ensurePage();
    // Both columns of a row stay on one page.
    need(4 * kBody.leading);
    const float top = y_;
    wrapped(kBold, kLeft, kLeft + 128, term);
    const float afterTerm = y_;
    y_ = top;
    wrapped(kBody, kLeft + 136, kRight, text);
    if (afterTerm < y_) y_ = afterTerm;
    space(3);
  }
  void code(const std::string& text) {
    ensurePage();
    need(kCode.leading);
    space(2);
    line(kCode, kLeft + 14, text);
    space(4);
  }
  void picture(const std::string& path, const std::string& caption) {
    const Picture p = readPng(root_ + "/" + path);
    float width = kRight - kLeft;
    float height = width * p.height / p.width;
    const float maxHeight = (kTop - kBottom) * 0.55f;
    if (height > maxHeight) {
      height = maxHeight;
      width = height * p.width / p.height;
    }
    ensurePage();
    space(4);
    need(height + kCaption.leading + 6);
    y_ -= height;
    const float x = kLeft + ((kRight - kLeft) - width) / 2;
    if (cpdf_rawPlaceInLineImage(doc_, p.rgb.data(), static_cast<int32_t>(p.rgb.size()), x, y_, 0, width, height,
                                 p.width, p.height, 8, CS_RGB, 1) != 0) {
      throw std::runtime_error("the picture " + path + " could not be placed");
    }
    cpdf_setrgbcolorStroke(doc_, 0.6f, 0.6f, 0.6f);
    cpdf_lineWidthW(doc_, 0.5f);
    cpdf_rawRect(doc_, x, y_, width, height);
    cpdf_stroke(doc_);
    space(4);
    if (!caption.empty()) wrapped(kCaption, kLeft, kRight, caption);
    space(8);
  }
  void pageBreak() {
    if (page_ > 0) newPage();
  }

  void save(const std::string& path) {
    finishPage();
    if (cpdf_finalizeAll(doc_) != 0) throw std::runtime_error("the PDF document could not be finished");
    if (cpdf_savePDFmemoryStreamToFile(doc_, path.c_str()) != 0) throw std::runtime_error("cannot write " + path);
  }

 private:
  void ensurePage() {
    if (page_ == 0) newPage();
  }
  void newPage() {
    finishPage();
    ++page_;
    if (cpdf_pageInit(doc_, page_, 0, "0 0 612 792", "0 0 612 792") != 0) {
      throw std::runtime_error("a page could not be started");
    }
    y_ = kTop;
    current_ = nullptr;
  }
  void finishPage() {
    if (page_ == 0) return;
    setStyle(kFooter);
    const std::string footer = title_ + "  -  page " + std::to_string(page_);
    textAt(kRight - cpdf_stringWidth(doc_, footer.c_str()), kBottom - 30, footer);
    cpdf_setrgbcolorStroke(doc_, 0.7f, 0.7f, 0.7f);
    cpdf_lineWidthW(doc_, 0.5f);
    cpdf_rawMoveto(doc_, kLeft, kBottom - 20);
    cpdf_rawLineto(doc_, kRight, kBottom - 20);
    cpdf_stroke(doc_);
    cpdf_finalizePage(doc_, page_);
  }
  void need(float height) {
    if (y_ - height < kBottom) newPage();
  }
  void space(float points) { y_ -= points; }
  void setStyle(const Style& s) {
    if (current_ == &s) return;
    cpdf_setFont(doc_, s.font, "WinAnsiEncoding", s.size);
    cpdf_setrgbcolorfill(doc_, s.r, s.g, s.b);
    current_ = &s;
  }
  void textAt(float x, float y, const std::string& text) {
    cpdf_beginText(doc_);
    cpdf_rawText(doc_, x, y, 0, text.c_str());
    cpdf_endText(doc_);
  }
  void line(const Style& s, float x, const std::string& text) {
    ensurePage();
    need(s.leading);
    setStyle(s);
    y_ -= s.leading;
    textAt(x, y_ + (s.leading - s.size) * 0.5f, text);
  }
  // The text broken at blanks into lines no wider than right - left.
  void wrapped(const Style& s, float left, float right, const std::string& text) {
    ensurePage();
    setStyle(s);
    std::istringstream words(text);
    std::string word, current;
    auto flush = [&] {
      if (current.empty()) return;
      need(s.leading);
      setStyle(s);
      y_ -= s.leading;
      textAt(left, y_ + (s.leading - s.size) * 0.5f, current);
      current.clear();
    };
    while (words >> word) {
      // A word wider than the column (a long file name) is broken where it must.
      while (cpdf_stringWidth(doc_, word.c_str()) > right - left && word.size() > 1) {
        flush();
        size_t fits = word.size() - 1;
        while (fits > 1 && cpdf_stringWidth(doc_, word.substr(0, fits).c_str()) > right - left) --fits;
        current = word.substr(0, fits);
        flush();
        setStyle(s);
        word = word.substr(fits);
      }
      const std::string candidate = current.empty() ? word : current + " " + word;
      setStyle(s);
      if (!current.empty() && cpdf_stringWidth(doc_, candidate.c_str()) > right - left) {
        flush();
        current = word;
      } else {
        current = candidate;
      }
    }
    flush();
  }

  CpdfDocument* doc_;
  std::string root_;
  std::string title_;
  int page_ = 0;
  float y_ = kTop;
  const Style* current_ = nullptr;
};

std::string trimmed(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

void writeGuide(std::istream& source, Writer& out) {
  enum class Block { none, paragraph, bullet };
  Block open = Block::none;
  std::string text;
  auto close = [&] {
    if (open == Block::paragraph) out.paragraph(text);
    if (open == Block::bullet) out.bullet(text);
    open = Block::none;
    text.clear();
  };
  std::string raw;
  while (std::getline(source, raw)) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    for (unsigned char c : raw) {
      if (c >= 0x80) throw std::runtime_error("the source holds a character outside ASCII: " + raw);
    }
    const std::string t = trimmed(raw);
    if (raw.rfind("    ", 0) == 0 && open != Block::bullet) {
      close();
      out.code(raw.substr(4));
    } else if (t.empty()) {
      close();
    } else if (open == Block::bullet && raw.rfind("  ", 0) == 0) {
      text += " " + t;
    } else if (t.rfind("= ", 0) == 0) {
      close();
      out.title(t.substr(2));
    } else if (t.rfind(": ", 0) == 0) {
      close();
      out.subtitle(t.substr(2));
    } else if (t.rfind("## ", 0) == 0) {
      close();
      out.heading(t.substr(3));
    } else if (t.rfind("# ", 0) == 0) {
      close();
      out.section(t.substr(2));
    } else if (t.rfind("- ", 0) == 0) {
      close();
      open = Block::bullet;
      text = t.substr(2);
    } else if (t.rfind("| ", 0) == 0) {
      close();
      const size_t bar = t.find(" | ", 2);
      if (bar == std::string::npos) throw std::runtime_error("a row without its second column: " + t);
      out.row(trimmed(t.substr(2, bar - 2)), trimmed(t.substr(bar + 3)));
    } else if (t.rfind("! ", 0) == 0) {
      close();
      const size_t bar = t.find(" | ");
      out.picture(trimmed(t.substr(2, bar == std::string::npos ? std::string::npos : bar - 2)),
                  bar == std::string::npos ? "" : trimmed(t.substr(bar + 3)));
    } else if (t == "\\page") {
      close();
      out.pageBreak();
    } else {
      if (open != Block::paragraph) {
        close();
        open = Block::paragraph;
        text = t;
      } else {
        text += " " + t;
      }
    }
  }
  close();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_guide SOURCE.txt OUTPUT.pdf ROOT\n");
    return 1;
  }
  try {
    std::ifstream source(argv[1]);
    if (!source) throw std::runtime_error(std::string("cannot read ") + argv[1]);
    Writer out(argv[3]);
    writeGuide(source, out);
    out.save(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_guide: %s\n", e.what());
    std::remove(argv[2]);
    return 1;
  }
  return 0;
}
