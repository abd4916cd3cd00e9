#include "ModelFixture.h"

#include "math/sample_size.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace PV {
namespace Fixture {

using namespace PV::Data;

Palvermontine fullModel() {
  Palvermontine root;
  root.set_appver(4.1);
  DecisionModel& m = root.get_model();
  const uint32_t id[2] = {0xF0E1D2C3u, 0x1A2B3C4Du};
  m.set_id(id);
  m.set_nm("Site \"North\" & <South>'s");
  m.set_mode("std");
  m.set_filepath("C:\\models\\site plan.xpv");
  m.set_dataver(3);
  m.set_crtime("2026-12-10T09:00:00");
  m.set_modtime("2026-12-10T09:30:00");
  m.set_note("Where to build: <north> & 'south' \"east\" > west");

  ModelParameters p;
  p.set_crc(1);
  p.set_sil(3);
  p.set_cfl(90.0);
  p.set_cfi(10.0);
  m.set_params(p);

  const char* dmNames[5] = {"Ann", "Bob", "Cleo", "Dan", "Eve"};
  for (int i = 0; i < 5; ++i) {
    DecisionMaker dm;
    dm.set_nm(dmNames[i]);
    dm.set_row(static_cast<uint8_t>(i + 1));
    dm.set_uid(0x9c1f04e2u + static_cast<uint32_t>(i) * 0x01010101u);
    dm.set_wt(static_cast<uint16_t>(i * 25));
    if (i % 2 == 0) dm.set_email(std::string(dmNames[i]) + "@example.org");
    if (i == 1) dm.set_note("Chairs the board");
    if (i == 4) dm.set_active(false);
    m.get_dms().push_back(dm);
  }

  const char* crNames[7] = {"Cost", "Access", "", "Noise", "Soil", "Views", "Risk"};
  for (int i = 0; i < 7; ++i) {
    Criterion cr;
    if (crNames[i][0]) cr.set_nm(crNames[i]);
    cr.set_row(static_cast<uint8_t>(i + 1));
    cr.set_uid(0x00c0ffeeu + static_cast<uint32_t>(i));
    cr.set_wt(static_cast<uint16_t>(9999 - i * 1000));
    if (i == 3) cr.set_meas(false);
    if (i == 0) cr.set_note("Total cost over ten years");
    m.get_crs().push_back(cr);
  }

  for (int i = 0; i < 10; ++i) {
    Choice ch;
    if (i != 7) ch.set_nm("Site " + std::string(1, static_cast<char>('A' + i)));
    ch.set_row(static_cast<uint8_t>(i + 1));
    ch.set_uid(i % 3 == 0 ? 0xB2D05E00u + static_cast<uint32_t>(i) : 0x1000u + static_cast<uint32_t>(i));
    if (i == 2) ch.set_note("Needs a new road");
    m.get_chs().push_back(ch);
  }

  // Score blocks: criterion number, seed, then pairs x decision makers characters.
  const uint32_t npr = pd_sample_pairs(90.0, 10.0, 10, 50.0);
  const char alphabet[] = "056789AB0E";
  static const char hex[] = "0123456789abcdef";
  for (uint32_t c = 0; c < 7; ++c) {
    std::string block;
    uint32_t words[2] = {c + 1, 0x5eed0000u + c * 0x1111u};
    for (uint32_t w : words)
      for (int k = 7; k >= 0; --k) block += hex[(w >> (4 * k)) & 0xF];
    for (uint32_t k = 0; k < npr * 5; ++k) block += alphabet[(k * 7 + c * 3) % 10];
    Score s;
    s.set_value(block);
    m.get_ss().push_back(s);
  }

  SolutionsVec& slns = m.get_slns();
  slns.set_timestamp("2026-12-10T09:05:00");
  slns.set_flag(false);
  for (int i = 0; i < 10; ++i) {
    Solution sln;
    sln.set_ch(m.get_chs()[static_cast<std::size_t>(9 - i)].get_uid());
    sln.set_pctrank(100.0 - i * 11.04);
    if (i == 0) sln.set_note("Clear winner");
    slns.push_back(sln);
  }
  return root;
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string freshFolder(const std::string& name) {
  namespace fs = std::filesystem;
  fs::path dir = fs::current_path() / "xmlfiles_tmp" / name;
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir);
  return dir.string();
}

}  // namespace Fixture
}  // namespace PV
