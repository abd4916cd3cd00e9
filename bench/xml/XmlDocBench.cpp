// Parsing and writing a 64 KB model-sized document with CXmlDoc, and the same work
// with libxml2 in the same run for comparison. Each write starts from a new document,
// as a file written once does; the figure should not depend on the allocator's
// thresholds (try MALLOC_TOP_PAD_=0 or MALLOC_TRIM_THRESHOLD_=0).
#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <string>

#include "xml/CXmlDoc.h"

namespace {

constexpr size_t kTargetBytes = 64 * 1024;

// One model's worth of elements, as the element tables write it, repeated under the
// root until the text reaches 64 KB. The calls mirror the file writer's.
template <typename Sink>
void WriteModel(Sink& sink, int copy) {
  sink.Element("model", nullptr, 1);
  sink.Attr("nm", ("Office move " + std::to_string(copy)).c_str());
  sink.Attr("id", "f0e1d2c30badf00d");
  sink.Attr("ts", "2026-12-10T12:00:00");
  sink.Element("note", "Where the team works next year: cost & commute <draft>", 2);
  sink.Element("params", nullptr, 2);
  sink.Attr("sil", "3");
  sink.Attr("cfl", "90.0");
  sink.Attr("cfi", "10.0");
  sink.Element("dms", nullptr, 2);
  for (int i = 1; i <= 5; ++i) {
    sink.Element("dm", nullptr, 3);
    sink.Attr("nm", ("Decision maker " + std::to_string(i)).c_str());
    sink.Attr("email", "someone@example.org");
    sink.Attr("row", std::to_string(i).c_str());
    sink.Attr("uid", std::to_string(1000 + i).c_str());
    sink.Attr("wt", "10");
  }
  sink.Element("crs", nullptr, 2);
  for (int i = 1; i <= 7; ++i) {
    sink.Element("cr", nullptr, 3);
    sink.Attr("nm", ("Criterion " + std::to_string(i)).c_str());
    sink.Attr("row", std::to_string(i).c_str());
    sink.Attr("uid", std::to_string(2000 + i).c_str());
    sink.Attr("wt", "25");
  }
  sink.Element("chs", nullptr, 2);
  for (int i = 1; i <= 10; ++i) {
    sink.Element("ch", nullptr, 3);
    sink.Attr("nm", ("Choice " + std::to_string(i)).c_str());
    sink.Attr("row", std::to_string(i).c_str());
    sink.Attr("uid", std::to_string(3000 + i).c_str());
  }
  sink.Element("ss", nullptr, 2);
  const std::string block = "0000000100c0ffee" + std::string(225, '8');
  for (int i = 1; i <= 7; ++i) sink.Element("s", block.c_str(), 3);
  sink.Element("slns", nullptr, 2);
  for (int i = 1; i <= 10; ++i) {
    sink.Element("sln", nullptr, 3);
    sink.Attr("ch", std::to_string(3000 + i).c_str());
    sink.Attr("pctrank", "42.5");
  }
}

// Writes through CXmlDoc with the file writer's calls: IntoElement and OutOfElement
// between levels, AddElement, SetAttribute.
class DocSink {
 public:
  DocSink() {
    doc_.SetDocument(static_cast<const char*>(nullptr));
    doc_.InsertNode(CXmlDoc::NODE_PROCESSING_INSTRUCTION, "xml version=\"1.0\" encoding=\"UTF-8\"");
    doc_.InsertNode(CXmlDoc::NODE_COMMENT, "crc32=0xafee1234");
    doc_.AddElement("palvermontine");
    doc_.SetAttribute("appver", "4.1");
  }
  void Element(const char* name, const char* text, int depth) {
    while (depth_ < depth) {
      doc_.IntoElement();
      ++depth_;
    }
    while (depth_ > depth) {
      doc_.OutOfElement();
      --depth_;
    }
    doc_.AddElement(name, text);
  }
  void Attr(const char* name, const char* value) { doc_.SetAttribute(name, value); }
  size_t Size() const { return doc_.GetDocument().size(); }
  const std::string& Text() const { return doc_.GetDocument(); }

 private:
  CXmlDoc doc_;
  int depth_ = 0;
};

// The same document through libxml2's tree interface.
class Libxml2Sink {
 public:
  Libxml2Sink() {
    doc_ = xmlNewDoc(BAD_CAST "1.0");
    xmlAddChild(reinterpret_cast<xmlNodePtr>(doc_), xmlNewDocComment(doc_, BAD_CAST "crc32=0xafee1234"));
    node_[0] = xmlNewDocNode(doc_, nullptr, BAD_CAST "palvermontine", nullptr);
    xmlDocSetRootElement(doc_, node_[0]);
    xmlNewProp(node_[0], BAD_CAST "appver", BAD_CAST "4.1");
    last_ = node_[0];
  }
  ~Libxml2Sink() { xmlFreeDoc(doc_); }
  void Element(const char* name, const char* text, int depth) {
    last_ = xmlNewTextChild(node_[depth - 1], nullptr, BAD_CAST name, BAD_CAST text);
    node_[depth] = last_;
  }
  void Attr(const char* name, const char* value) { xmlNewProp(last_, BAD_CAST name, BAD_CAST value); }
  std::string Text() const {
    xmlChar* mem = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc_, &mem, &size, "UTF-8");
    std::string out(reinterpret_cast<const char*>(mem), static_cast<size_t>(size));
    xmlFree(mem);
    return out;
  }

 private:
  xmlDocPtr doc_;
  xmlNodePtr node_[4] = {};
  xmlNodePtr last_ = nullptr;
};

int CopiesFor64K() {
  DocSink probe;
  WriteModel(probe, 1);
  const size_t one = probe.Size();
  return static_cast<int>(kTargetBytes / one);
}

const std::string& ModelText() {
  static const std::string text = [] {
    DocSink sink;
    const int copies = CopiesFor64K();
    for (int c = 0; c < copies; ++c) WriteModel(sink, c);
    return sink.Text();
  }();
  return text;
}

void BM_CXmlDoc_Parse(benchmark::State& state) {
  const std::string& text = ModelText();
  CXmlDoc doc;
  for (auto _ : state) {
    bool ok = doc.SetDocument(text);
    benchmark::DoNotOptimize(ok);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_CXmlDoc_Parse);

void BM_CXmlDoc_Write(benchmark::State& state) {
  const int copies = CopiesFor64K();
  size_t size = 0;
  for (auto _ : state) {
    DocSink sink;
    for (int c = 0; c < copies; ++c) WriteModel(sink, c);
    size = sink.Size();
    benchmark::DoNotOptimize(sink.Text().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_CXmlDoc_Write);

// Open elements followed by as many end tags that match none, in total size given by
// the argument: the time per byte stays flat as the size grows when stray end tags are
// found out without walking the open elements.
void BM_CXmlDoc_StrayEndTags(benchmark::State& state) {
  const size_t pairs = static_cast<size_t>(state.range(0)) / 7;
  std::string text;
  for (size_t i = 0; i < pairs; ++i) text += "<a>";
  for (size_t i = 0; i < pairs; ++i) text += "</b>";
  CXmlDoc doc;
  for (auto _ : state) {
    bool ok = doc.SetDocument(text);
    benchmark::DoNotOptimize(ok);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CXmlDoc_StrayEndTags)->Arg(64 << 10)->Arg(700 << 10);

void BM_Libxml2_Parse(benchmark::State& state) {
  const std::string& text = ModelText();
  for (auto _ : state) {
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "model.xpv", nullptr, XML_PARSE_NONET);
    benchmark::DoNotOptimize(doc);
    xmlFreeDoc(doc);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Libxml2_Parse);

void BM_Libxml2_Write(benchmark::State& state) {
  const int copies = CopiesFor64K();
  size_t size = 0;
  for (auto _ : state) {
    Libxml2Sink sink;
    for (int c = 0; c < copies; ++c) WriteModel(sink, c);
    const std::string text = sink.Text();
    size = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_Libxml2_Write);

}  // namespace

BENCHMARK_MAIN();
