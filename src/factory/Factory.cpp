#include "factory/Factory.h"

#include "foundation/Assert.h"
#include "factory/ReconcileLog.h"
#include "math/MathServer.h"
#include "math/ModelCheck.h"
#include "math/rng.h"
#include "model/ModelFileName.h"
#include "model/TextForms.h"
#include "model/TimeStamp.h"
#include "xml/PalvermontineFile.h"

#include <ctime>

namespace PV {
namespace Data {

namespace {
// The version of the program that new models are stamped with.
constexpr double MODEL_APPVER = 4.1;
}  // namespace

Factory::Factory() = default;

Factory::~Factory() {
  // A server refers to its model: servers go first.
  currServer_ = nullptr;
  mathServers_.clear();
  currPalvermontine_ = nullptr;
  palvermontineModels_.clear();
  prevPalvermontine_.reset();
}

void Factory::seedModelIds() {
  rng_next(0);
  rng_next(MODEL_ID_WORD0);
  std::time_t currentTime = std::time(nullptr);
  PV_ASSERT(currentTime != -1);
  uint32_t x = rng_next(static_cast<uint32_t>(currentTime));
  for (int i = 0; i < 5; ++i) x = rng_next(x);
  idWords_[0] = MODEL_ID_WORD0;
  idWords_[1] = x;
}

const uint32_t* Factory::nextModelId() {
  idWords_[1] = rng_next(idWords_[1]);
  return idWords_;
}

void Factory::install(std::unique_ptr<Palvermontine> root, std::unique_ptr<MathServer> server) {
  // The old server refers to the old model, so it goes before the model.
  currServer_ = nullptr;
  mathServers_.clear();
  currPalvermontine_ = nullptr;
  palvermontineModels_.clear();

  prevPalvermontine_ = std::make_unique<Palvermontine>(*root);
  currPalvermontine_ = root.get();
  palvermontineModels_.push_back(std::move(root));
  currServer_ = server.get();
  currServer_->setReportKeeper(appendReconcileLog);
  mathServers_.push_back(std::move(server));
}

DecisionModel* Factory::newModel(const ModelParameters& parameters, bool solveOutOfStep) {
  auto root = std::make_unique<Palvermontine>();
  root->set_appver(MODEL_APPVER);
  DecisionModel& mdl = root->get_model();
  seedModelIds();
  mdl.set_id(nextModelId());
  // The model holds the confidence settings as its file keeps them (one decimal),
  // so that the pairs drawn now are the pairs drawn when the saved file is opened.
  ModelParameters params = parameters;
  const double cfl = PV::Data::TextForms::roundedToOneDecimal(params.get_cfl());
  if (cfl > 0.0) params.set_cfl(cfl);
  params.set_cfi(PV::Data::TextForms::roundedToOneDecimal(params.get_cfi()));
  mdl.set_params(params);
  mdl.set_dataver(1);
  std::string now;
  PV::Util::timeStamp(now, false);
  mdl.set_crtime(now);
  mdl.set_modtime(now);

  auto server = std::make_unique<MathServer>(&mdl, solveOutOfStep);
  install(std::move(root), std::move(server));
  // A new model has no file yet: a save without a name must not overwrite the file
  // of the model it replaced.
  filepath_.clear();
  lastError_.clear();
  return &currPalvermontine_->get_model();
}

DecisionModel* Factory::currDataModel(uint16_t modelIndex) {
  PV_ASSERT(!palvermontineModels_.empty());
  PV_ASSERT(modelIndex < (unsigned short)palvermontineModels_.size());
  return &palvermontineModels_[modelIndex]->get_model();
}

DecisionModel* Factory::getPrevModel() {
  PV_ASSERT(prevPalvermontine_ != 0);
  return &prevPalvermontine_->get_model();
}

bool Factory::isUnmodified() const {
  if (!currPalvermontine_ || !prevPalvermontine_) return true;
  return *currPalvermontine_ == *prevPalvermontine_;
}

Factory::MathServer* Factory::getMathServer(uint16_t index) {
  PV_ASSERT(!mathServers_.empty());
  PV_ASSERT(index < mathServers_.size());
  return mathServers_[index].get();
}

DecisionModel* Factory::load(const std::string& filename_path, bool solveOutOfStep) {
  lastError_.clear();
  if (filename_path.empty()) {
    lastError_ = "no file name";
    return nullptr;
  }
  // Everything is read and checked, and the new server built, before anything of
  // the current model is touched: a failure anywhere leaves it as it was.
  auto root = std::make_unique<Palvermontine>();
  try {
    XML::PalvermontineFile file(filename_path, true);
    if (!file.isOkay()) {
      lastError_ = file.errorText();
      return nullptr;
    }
    file.read(*root);
  } catch (const XML::FileError& e) {
    lastError_ = e.what();
    return nullptr;
  }
  std::string why;
  if (!Math::checkModelData(root->get_model(), why)) {
    lastError_ = filename_path + " is not a proper Palvermontine XML file. " + why;
    return nullptr;
  }
  auto server = std::make_unique<MathServer>(&root->get_model(), solveOutOfStep);
  if (!server->getDataError().empty()) {
    lastError_ = filename_path + " is not a proper Palvermontine XML file. " + server->getDataError();
    return nullptr;
  }

  install(std::move(root), std::move(server));
  filepath_ = filename_path;
  return &currPalvermontine_->get_model();
}

bool Factory::save(const char* filename_path) {
  PV_ASSERT(currPalvermontine_ != 0);
  PV_ASSERT(prevPalvermontine_ != 0);
  lastError_.clear();
  const std::string target = filename_path ? std::string(filename_path) : filepath_;
  if (target.empty()) {
    lastError_ = "the model has no file name";
    return false;
  }
  if (!isModelFileName(target)) {
    lastError_ = target + ": a model file name must end in " + kModelExtension;
    return false;
  }
  if (currPalvermontine_->get_model().get_nm().empty()) {
    lastError_ = "the model has no name";
    return false;
  }

  // The model takes its file path and crc word only once the file is written, so
  // that a failed save leaves it (and its changed mark) exactly as it was.
  Palvermontine written(*currPalvermontine_);
  // The file keeps the time and flag of a ranking only with its entries: an empty
  // ranking is saved, and so held afterwards, without them, so that the model
  // saved equals the model opened from its file.
  auto dropEmptyRanking = [](DecisionModel& m) {
    if (!m.get_slns().empty()) return;
    m.get_slns().set_flag(false);
    m.get_slns().set_timestamp(std::string());
  };
  dropEmptyRanking(written.get_model());
  written.get_model().set_filepath(target);
  written.get_model().get_params().set_crc(1);
  // A model changed in place, past the math server, can be one that opening would
  // refuse (a ranking entry of a removed choice, blocks of another shape): its text
  // is read back with every check of opening before it may replace the old file.
  // The text checked is the text written.
  XML::PalvermontineFile file(target, false);
  std::string text;
  try {
    Palvermontine back;
    text = file.writeText(written);
    file.readText(text, back);
    std::string why;
    if (!Math::checkModelData(back.get_model(), why)) {
      lastError_ = target + ": " + why;
      return false;
    }
  } catch (const XML::FormatError& e) {
    lastError_ = target + ": " + e.what();
    return false;
  } catch (const XML::FileError& e) {
    lastError_ = e.what();
    return false;
  }
  if (!file.writeGivenText(text)) {
    lastError_ = target + ": " + file.errorText();
    return false;
  }

  DecisionModel& mdl = currPalvermontine_->get_model();
  dropEmptyRanking(mdl);
  mdl.set_filepath(target);
  mdl.get_params().set_crc(1);
  filepath_ = target;
  *prevPalvermontine_ = *currPalvermontine_;
  PV_ASSERT(*prevPalvermontine_ == *currPalvermontine_);
  return true;
}

}  // namespace Data
}  // namespace PV
