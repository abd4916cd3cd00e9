// The base of every XML file of the system: one named file and one XML document.
//
// Reading takes the whole file (at most MAX_XML_BUF bytes of 7-bit text), parses it
// and hands the document to the derived class, which fills the object. A file that
// cannot be opened is recorded (isOkay answers false); a file that is empty, too
// long, not 7-bit, not well formed or not a valid file of its type throws FileError,
// whose text is the file name followed by what is wrong. Nothing read from a file
// ends the program.
//
// Writing builds the document from the object, writes its text to a temporary file
// beside the target and renames that over the target only once the whole text is on
// disk: a failed save leaves the previous file as it was.
#pragma once

#include "foundation/Assert.h"
#include "model/LimitCheck.h"
#include "xml/CXmlDoc.h"
#include "xml/XmlTable.h"

#include <cstdint>
#include <cstring>
#include <ios>
#include <stdexcept>
#include <string>
#include <vector>

namespace PV {
namespace XML {

// The largest file length, in bytes, that a file of the system may have.
inline constexpr uint32_t MAX_XML_BUF = 65535;

// A file refused on reading: what() is the file name followed by what is wrong with
// it, the text the user is shown.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& what) : std::runtime_error(what) {}
};

enum FileErrorCode : int32_t {
  OKAY_FILE = 0,
  OPEN_FAILED_FILE = 1,
  EMPTY_FILE = 3,
  WRITE_FAILED_FILE = 5,
  BINARY_FILE = 6,
  TOO_LONG_FILE = 7,
};

// Non-template helpers shared by every File<T>.
namespace FileIo {
// Reads at most limit + 1 bytes of the file into bytes; false when it cannot be opened
// or read (err then holds the reason).
bool readBytes(const std::string& name, std::string& bytes, uint32_t limit, std::string& err);
// True when every byte is text of 7 bits: none is 0 or 0x80 and above.
bool isSevenBit(const std::string& bytes);
// Writes text to "<name>.tmp" and renames it over name; on any failure the temporary
// file is removed, the target is untouched, and err holds the reason.
bool replaceWithText(const std::string& name, const std::string& text, std::string& err);
// A reason as a sentence of the message the user is shown: its first letter raised
// and a full stop at its end, so that what follows it reads as a sentence of its own.
std::string asSentence(std::string reason);
}  // namespace FileIo

template <class T>
class File {
 public:
  // With the read flag the file is taken into memory at once (a missing or unreadable
  // file records OPEN_FAILED_FILE); without it nothing on disk is touched until write.
  File(const std::string& filename, bool readFlag, std::ios::openmode mode = std::ios::in);
  virtual ~File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  bool isOkay() const { return !error_; }
  int32_t errorCode() const { return errorCode_; }
  // The reason of the last failure of the file system (open, read or write).
  const std::string& errorText() const { return errorText_; }
  const std::string& filename() const { return filename_; }
  uint32_t fileLength() const { return filelen_; }

  // Fills the object from the file (first from the bytes taken at construction).
  // Throws FileError when the file is not a valid file of its type.
  void read(T& object);
  // Fills the object from the given bytes, with every check of read. Throws
  // FileError naming this file.
  void readText(const std::string& bytes, T& object);
  // The document text of the object. Throws FormatError when the object cannot be
  // written as a valid file (a mandatory text missing, a list too long).
  std::string writeText(T& object);
  // Writes the object to the file; false (with errorText) when nothing was written.
  bool write(T& object);
  // Writes a text writeText made to the file, as write does.
  bool writeGivenText(const std::string& text);

  // Opens the object on a file again, for another mode: with the read flag the
  // file is taken whole into memory for the next read (a missing or unreadable file
  // records OPEN_FAILED_FILE with the system's reason); without it nothing on disk
  // is touched until write. The stream's mode flags are accepted as callers pass
  // them, but every write replaces the whole file through a temporary file, so out,
  // trunc and app come to the same. A read never keeps the file open: a file held
  // open could not be replaced by its own save on Windows.
  void open(const std::string& name, bool readFlag, std::ios::openmode mode = std::ios::in);
  // After reading: true when the file was no longer than MAX_XML_BUF (otherwise
  // TOO_LONG_FILE is recorded); ends the use of the bytes read.
  bool checkFileLength();
  // Whether a name may name a file of the system: never the empty name.
  bool checkFilename(const std::string& name) const { return !name.empty(); }

  // Documents written by hand, in a derived writeObject. writeHeader empties the
  // document and starts it with the XML declaration and the root element carrying
  // the schema attributes (setXsdFilename first) and the given pairs, in order.
  void writeHeader(const std::string& rootname, const std::vector<AttribPair>* attrs = nullptr);
  // Sets an attribute of the current element, or of its current child.
  bool setAttribute(const std::string& name, const std::string& value);
  bool setAttribute(const std::string& name, const std::string& value, bool onChild);
  // Adds an element after stepping from depth fromDepth to toDepth: into the current
  // element once when going one deeper, out of it as many times as going up.
  bool addElement(const std::string& name, uint32_t fromDepth, uint32_t toDepth, const std::string* text = nullptr);
  // Adds a comment node; false for an empty text or one a comment cannot hold.
  bool addComment(const std::string& text);

  void setPath(const std::string& path) {
    PV_ASSERT(!path.empty());
    path_ = path;
  }
  void setXsdFilename(const std::string& xsdFilename) {
    PV_ASSERT(!xsdFilename.empty());
    xsdFilename_ = xsdFilename;
  }

 protected:
  virtual void writeObject(T& object) = 0;
  virtual void readObject(T& object) = 0;
  CXmlDoc& doc() { return doc_; }

 private:
  void fail(int32_t code, const std::string& text) {
    error_ = true;
    errorCode_ = code;
    errorText_ = text;
  }
  [[noreturn]] void refuse(const std::string& message) const { throw FileError(filename_ + message); }

  CXmlDoc doc_;
  std::string filename_;
  std::string xsdFilename_;
  std::string path_;
  std::string buffer_;
  bool haveBuffer_ = false;
  std::string xmlBuffer_;
  uint32_t filelen_ = 0;
  bool readMode_ = false;
  bool error_ = false;
  int32_t errorCode_ = OKAY_FILE;
  std::string errorText_;
};

template <class T>
File<T>::File(const std::string& filename, bool readFlag, std::ios::openmode mode) : filename_(filename) {
  PV_ASSERT(!filename.empty());
  open(filename, readFlag, mode);
}

template <class T>
void File<T>::open(const std::string& name, bool readFlag, std::ios::openmode /*mode*/) {
  // The state describes the file as last opened.
  error_ = false;
  errorCode_ = OKAY_FILE;
  errorText_.clear();
  buffer_.clear();
  haveBuffer_ = false;
  filelen_ = 0;
  readMode_ = readFlag;
  if (!checkFilename(name)) {
    fail(OPEN_FAILED_FILE, "no file name");
    return;
  }
  filename_ = name;
  if (!readFlag) return;
  std::string err;
  if (!FileIo::readBytes(filename_, buffer_, MAX_XML_BUF, err)) {
    fail(OPEN_FAILED_FILE, err);
    return;
  }
  filelen_ = static_cast<uint32_t>(buffer_.size());
  haveBuffer_ = true;
}

template <class T>
bool File<T>::checkFileLength() {
  buffer_.clear();
  haveBuffer_ = false;
  if (filelen_ <= MAX_XML_BUF) return true;
  fail(TOO_LONG_FILE, "longer than " + std::to_string(MAX_XML_BUF) + " bytes");
  return false;
}

template <class T>
void File<T>::writeHeader(const std::string& rootname, const std::vector<AttribPair>* attrs) {
  PV_ASSERT(!xsdFilename_.empty());
  PV_ASSERT(!rootname.empty());
  doc_.SetDocument(static_cast<const char*>(nullptr));
  doc_.ResetPosition();
  doc_.InsertNode(CXmlDoc::NODE_PROCESSING_INSTRUCTION, "xml version=\"1.0\" encoding=\"UTF-8\"");
  bool added = doc_.AddElement(rootname.c_str());
  PV_ASSERT(added);
  doc_.SetAttribute("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
  doc_.SetAttribute("xsi:noNamespaceSchemaLocation", xsdFilename_.c_str());
  if (attrs == nullptr) return;
  for (std::size_t i = 0; i < attrs->size(); ++i) {
    PV_ASSERT(!(*attrs)[i].name.empty());
    doc_.SetAttribute((*attrs)[i].name.c_str(), (*attrs)[i].value.c_str());
  }
}

template <class T>
bool File<T>::setAttribute(const std::string& name, const std::string& value) {
  return doc_.SetAttribute(name.c_str(), value.c_str());
}

template <class T>
bool File<T>::setAttribute(const std::string& name, const std::string& value, bool onChild) {
  return onChild ? doc_.SetChildAttribute(name.c_str(), value.c_str()) : setAttribute(name, value);
}

template <class T>
bool File<T>::addElement(const std::string& name, uint32_t fromDepth, uint32_t toDepth, const std::string* text) {
  if (fromDepth < toDepth) {
    if (!doc_.IntoElement()) return false;
  } else {
    for (uint32_t d = fromDepth; d > toDepth; --d)
      if (!doc_.OutOfElement()) return false;
  }
  return doc_.AddElement(name.c_str(), text ? text->c_str() : nullptr);
}

template <class T>
bool File<T>::addComment(const std::string& text) {
  // A comment holds no "--" and does not end in "-", which would run into its "-->".
  if (text.empty() || text.back() == '-') return false;
  return doc_.InsertNode(CXmlDoc::NODE_COMMENT, text.c_str());
}

template <class T>
void File<T>::read(T& object) {
  if (!readMode_) {
    fail(EMPTY_FILE, "nothing to read");
    return;
  }
  // The first read takes the bytes read at construction, a later one the file as
  // it is on disk now.
  std::string bytes;
  if (haveBuffer_) {
    bytes.swap(buffer_);
    haveBuffer_ = false;
  } else {
    std::string err;
    if (!FileIo::readBytes(filename_, bytes, MAX_XML_BUF, err)) {
      fail(EMPTY_FILE, err);
      return;
    }
    filelen_ = static_cast<uint32_t>(bytes.size());
  }
  readText(bytes, object);
}

template <class T>
void File<T>::readText(const std::string& bytes, T& object) {
  if (bytes.empty()) refuse(" is not a proper Palvermontine XML file, possibly 0 length.");
  if (bytes.size() > MAX_XML_BUF) {
    fail(TOO_LONG_FILE, "too long");
    refuse(" is not a proper Palvermontine XML file. It is longer than " + std::to_string(MAX_XML_BUF) + " bytes.");
  }
  if (!FileIo::isSevenBit(bytes)) {
    fail(BINARY_FILE, "not 7-bit text");
    refuse(" is not a Palvermontine XML file. It is a Binary File");
  }
  if (!doc_.SetDocument(bytes)) {
    // A file cut short (a full disk, a copy broken off) leaves its root element open;
    // the parser's first complaint would be about what the cut left behind.
    const uint32_t root = doc_.GetElementCount() > 1 ? doc_.GetElementPos(0).firstChild : 0;
    if (root != 0 && (doc_.GetElementPos(root).flags & CXmlDoc::ELEM_NOT_ENDED) != 0) {
      const std::string& text = doc_.GetDocument();
      std::size_t end = doc_.GetElementPos(root).start + 1;
      while (end < text.size() && std::strchr(" \t\r\n/>", text[end]) == nullptr) ++end;
      const std::size_t begin = doc_.GetElementPos(root).start + 1;
      refuse(" is not a proper Palvermontine XML file. The file ends early: its root element " +
             quoteForMessage(text.substr(begin, end - begin)) + " is not closed.");
    }
    const std::string why = doc_.GetError();
    refuse(" is not a proper Palvermontine XML file." + (why.empty() ? std::string() : " " + FileIo::asSentence(why)));
  }
  try {
    readObject(object);
  } catch (const FormatError& e) {
    refuse(" is not a proper Palvermontine XML file. " + FileIo::asSentence(e.what()));
  }
}

template <class T>
std::string File<T>::writeText(T& object) {
  writeObject(object);
  xmlBuffer_ = doc_.GetDocument();
  PV_ASSERT(!xmlBuffer_.empty());
  return xmlBuffer_;
}

template <class T>
bool File<T>::write(T& object) {
  error_ = false;
  errorCode_ = OKAY_FILE;
  errorText_.clear();
  std::string text;
  try {
    text = writeText(object);
  } catch (const FormatError& e) {
    fail(WRITE_FAILED_FILE, e.what());
    return false;
  }
  return writeGivenText(text);
}

template <class T>
bool File<T>::writeGivenText(const std::string& text) {
  error_ = false;
  errorCode_ = OKAY_FILE;
  errorText_.clear();
  // A file longer than the readers take could not be opened again.
  if (text.size() > MAX_XML_BUF) {
    fail(WRITE_FAILED_FILE, "the text would be longer than " + std::to_string(MAX_XML_BUF) + " bytes");
    return false;
  }
  std::string err;
  if (!FileIo::replaceWithText(filename_, text, err)) {
    fail(WRITE_FAILED_FILE, err);
    return false;
  }
  return true;
}

}  // namespace XML
}  // namespace PV
