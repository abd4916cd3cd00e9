#include "factory/DemoModel.h"

#include "foundation/Assert.h"
#include "math/MathServer.h"
#include "math/alg.h"
#include "math/model.h"
#include "math/rng.h"
#include "factory/DemoScores.h"
#include "factory/Factory.h"
#include "model/ModelFileName.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "xml/PalvermontineMdlOptsFile.h"

#include <fstream>
#include <locale>
#include <string>

namespace PV {
namespace Test {

namespace {

constexpr uint32_t DEMO_SEED = 0x3F1309AEu;
const char* const kModelName = "2ex 7cr 10ch 45pr";

// The notes of the ten choices.
const char* const kChoiceNotes[DEMO_CHOICES] = {
    "Expand the northern warehouse", "Lease a second delivery fleet", "Open a regional service centre",
    "Upgrade the order system",      "Partner with a local carrier",  "Outsource the returns handling",
    "Build a rooftop solar array",   "Relocate the head office",      "Train staff in lean methods",
    "Keep the current arrangements",
};

const uint16_t kDmWeights[DEMO_DMS] = {525, 437};
const uint16_t kCriterionWeights[DEMO_CRITERIA] = {270, 37, 386, 957, 520, 512, 957};

// The score of pair (a, b) in table block (d, r).
int tableScore(uint32_t d, uint32_t r, uint32_t a, uint32_t b) {
  for (const auto& e : kDemoScores[d][r]) {
    if (e[0] == a && e[1] == b) return static_cast<int>(e[2]) - 8;
    if (e[0] == b && e[1] == a) return 8 - static_cast<int>(e[2]);
  }
  PV_ASSERT(!"the test table holds every pair");
  return 0;
}

void fillModel(PV::Data::DecisionModel& m) {
  for (uint32_t i = 0; i < DEMO_DMS; ++i) {
    PV::Data::DecisionMaker d;
    d.set_nm("Decision Maker " + std::to_string(i + 1));
    d.set_row(static_cast<uint8_t>(i + 1));
    d.set_uid(rng_next(i));
    d.set_email("no email yet");
    d.set_wt(kDmWeights[i]);
    m.get_dms().push_back(d);
  }
  for (uint32_t i = 0; i < DEMO_CRITERIA; ++i) {
    PV::Data::Criterion c;
    c.set_nm("Criteria " + std::to_string(i + 1));
    c.set_row(static_cast<uint8_t>(i + 1));
    c.set_uid(rng_next(i));
    c.set_meas(true);
    c.set_wt(kCriterionWeights[i]);
    m.get_crs().push_back(c);
  }
  for (uint32_t i = 0; i < DEMO_CHOICES; ++i) {
    PV::Data::Choice c;
    c.set_nm("Choice " + std::to_string(i + 1));
    c.set_row(static_cast<uint8_t>(i + 1));
    c.set_uid(rng_next(i));
    c.set_note(kChoiceNotes[i]);
    c.set_active(true);
    m.get_chs().push_back(c);
  }
  const double* ratios = alg_pref_ratio_table();
  for (int k = 0; k < 16; ++k) {
    PV::Data::ScaleFunctionValue v;
    v.set_y(ratios[k]);
    m.get_sfvs().push_back(v);
  }
  PV::Data::Moderator moderator;
  moderator.set_nm("Human Being");
  moderator.set_email("no email yet");
  m.set_moderator(moderator);
  const uint32_t id[2] = {0, DEMO_SEED};
  m.set_id(id);
  m.set_dataver(1);
  m.set_nm(kModelName);
  m.set_mode("std");
  m.set_note("Multiple Model for 2 experts 7 criteria 10 choices 45 pairs Test");
  // A path the factory can save under.
  m.set_filepath(std::string(kModelName) + Data::kModelExtension);
}

// Numbers and booleans as a plain stream writes them: 4.1, 1 or 0.
std::ofstream openDump(const char* name) {
  std::ofstream out(name, std::ios::out | std::ios::trunc | std::ios::binary);
  out.imbue(std::locale::classic());
  return out;
}

const char* const kRule47 = "-----------------------------------------------";
const char* const kRule41 = "-----------------------------------------";

}  // namespace

std::unique_ptr<PV::Math::Algorithm> makeDataModel(PV::Data::RankSolutionData& ranking, bool simulateLoadFromXML,
                                                   bool /*reconcileTest*/) {
  PV::Data::ModelParameters params;
  params.set_note("Model Parameters");
  params.set_cfi(0.0);
  params.set_cfl(100.0);
  params.set_crc(0x1F2E3D4Cu);
  params.set_dbt(0.0);
  params.set_sil(5);
  params.set_tqbww(3.0);
  auto* factory = PV::Data::Factory::instance();
  PV::Data::DecisionModel* m = factory->newModel(params, false);
  PV_ASSERT(m != nullptr);
  fillModel(*m);

  // Word 1 of the model id (DEMO_SEED) seeds its pair lists: the same on every run.
  auto alg = std::make_unique<PV::Math::Algorithm>(*m);
  for (uint32_t r = 0; r < DEMO_CRITERIA; ++r) {
    for (uint32_t d = 0; d < DEMO_DMS; ++d) {
      PV::Math::RandomPairSet* rps = alg->getRps(r, d);
      for (uint32_t k = 0; k < rps->getNumPairs(); ++k) {
        const MCDM_BC3_Pair p = rps->getPair(k);
        rps->setScore(k, tableScore(d, r, p.i, p.j), true);
      }
      rps->saveScores();
    }
  }
  alg->writeScoreBlocks();

  if (!simulateLoadFromXML) {
    alg->compute(app_func);
  } else {
    alg = std::make_unique<PV::Math::Algorithm>(*m);
    PV_ASSERT(alg->isScoresTransferred());
    const uint32_t status = alg->compute(app_func);
    PV_ASSERT(status == MODEL_COMPLETED);
  }
  alg->readSolutions();
  ranking = PV::Data::RankSolutionData();
  ranking.build(m->get_slns(), m->get_chs());
  ranking.set_name(m->get_nm());

  // The factory's server counted the model while it was still empty.
  factory->getMathServer(0)->refresh();
  return alg;
}

void dumpAppOpts() {
  auto* file = PV::XML::PalvermontineAppOptsFile::instance();
  auto& opts = file->options();
  {
    std::ofstream out = openDump("appoptstestfile.log");
    const auto& def = opts.get_defaultValuesAppOpts();
    const auto& gui = opts.get_guiAppOpts();
    const auto& calc = opts.get_calcAppOpts();
    const auto& rpt = opts.get_rptAppOpts();
    out << "app ver = " << opts.get_appver() << '\n';
    out << "crtime = " << opts.get_crtime() << '\n';
    out << "modtime = " << opts.get_modtime() << '\n';
    out << kRule47 << '\n';
    out << "id owner = " << opts.get_idAppOpts().get_owner() << '\n';
    out << kRule47 << '\n';
    out << "def.get_username() = " << def.get_username() << '\n';
    out << "def.get_openMostRecentFile() = " << def.get_openMostRecentFile() << '\n';
    out << "def.get_defaultDirectory() = " << def.get_defaultDirectory() << '\n';
    out << "def.get_useCrc() = " << def.get_useCrc() << '\n';
    out << "def.get_modelPathFilenameMostRecent() =" << def.get_modelPathFilenameMostRecent() << '\n';
    out << kRule47 << '\n';
    out << "gui.get_cellInputAdvance() = " << gui.get_cellInputAdvance() << '\n';
    out << "gui.get_displayScoreScaleValue() = " << gui.get_displayScoreScaleValue() << '\n';
    out << "gui.get_showDirPathInMainWndwTitle() = " << gui.get_showDirPathInMainWndwTitle() << '\n';
    out << "gui.get_useFilledBgHighlightChoicePairs() = " << gui.get_useFilledBgHighlightChoicePairs() << '\n';
    out << kRule47 << '\n';
    out << "calc.get_displaySolutionWindow() = " << calc.get_displaySolutionWindow() << '\n';
    out << "calc.get_generateReportFile() = " << calc.get_generateReportFile() << '\n';
    out << "calc.get_solutionWindowOrientation() = " << calc.get_solutionWindowOrientation() << '\n';
    out << kRule47 << '\n';
    out << "rpt.get_appendTimestamp() = " << rpt.get_appendTimestamp() << '\n';
    out << "rpt.get_displayReport() = " << rpt.get_displayReport() << '\n';
    out << "rpt.get_includeScores() = " << rpt.get_includeScores() << '\n';
  }
  opts.set_appver(0.2);
  file->save();
}

void dumpMdlOpts() {
  auto* file = PV::XML::PalvermontineMdlOptsFile::instance();
  auto& opts = file->options();
  {
    std::ofstream out = openDump("mdloptstestfile.log");
    const auto& parm = opts.get_parmMdlOpts();
    out << "appver = " << opts.get_appver() << '\n';
    out << "modtime = " << opts.get_modtime() << '\n';
    out << "crtime = " << opts.get_crtime() << '\n';
    out << kRule41 << '\n';
    out << "Starting parms " << '\n';
    out << "cfi = " << parm.get_cfi() << '\n';
    out << "cfl = " << parm.get_cfl() << '\n';
    out << "std note = " << parm.get_note() << '\n';
    out << "owner = " << parm.get_owner() << '\n';
    out << "sil = " << static_cast<unsigned>(parm.get_sil()) << '\n';
  }
  opts.get_parmMdlOpts().set_cfl(85.0);
  opts.set_appver(0.3);
  file->save();
}

}  // namespace Test
}  // namespace PV
