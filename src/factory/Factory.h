// The model factory: owns the open decision model, its snapshot and its math server.
//
// It creates a new model, opens one from a model file, saves it, hands out the
// current model and its server, and tells whether the model has changed since it was
// created, opened or last saved (the model against its snapshot). Each math server
// it makes keeps its reconcile reports in the model's log (ReconcileLog.h).
//
// Opening reads and checks the whole new model and builds its math server before
// anything is replaced: a file that cannot be opened or is damaged gives null, with
// lastError() naming the file and what is wrong, and the current model, snapshot,
// server and file path stay as they were. Saving writes through a
// temporary file that replaces the target only when complete, and never writes a
// model that opening would refuse: a failed save returns false, leaves the previous
// file, and leaves the model marked as changed.
#pragma once

#include "model/DecisionModel.h"
#include "model/Singleton.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace PV {
namespace Math {
class Algorithm;
template <typename T>
class Server;
}  // namespace Math

namespace Data {

class Factory : public Singleton<Factory> {
 public:
  using MathServer = Math::Server<Math::Algorithm>;

  // Word 0 of every model id.
  static constexpr uint32_t MODEL_ID_WORD0 = 0xF0E1D2C3u;

  Factory();
  ~Factory();
  Factory(const Factory&) = delete;
  Factory& operator=(const Factory&) = delete;

  // Replaces the current model by a new one with these parameters, a new id and the
  // current time; the new model has no file path yet.
  DecisionModel* newModel(const ModelParameters& parameters, bool solveOutOfStep);

  // Whether a model was made or opened yet: until then there is no current model,
  // snapshot or server, and the getters below must not be called.
  bool hasModel() const { return !palvermontineModels_.empty(); }
  DecisionModel* currDataModel(uint16_t modelIndex = 0);
  DecisionModel* getPrevModel();
  // True while the current model equals its snapshot.
  bool isUnmodified() const;
  MathServer* getMathServer(uint16_t index = 0);

  // Opens a model file. Null when it cannot be opened or is not a proper model file;
  // lastError() then tells why (for a refused file: its name and what is wrong with
  // it). Nothing changes unless it succeeds.
  DecisionModel* load(const std::string& filename_path, bool solveOutOfStep);

  // Writes the current model, to the given path or (null) to the current one. False
  // when nothing was written; lastError() then tells why.
  bool save(const char* filename_path = nullptr);

  const std::string& filepath() const { return filepath_; }
  const std::string& lastError() const { return lastError_; }

 private:
  void seedModelIds();
  const uint32_t* nextModelId();
  // Makes root, with its snapshot and server, the current model.
  void install(std::unique_ptr<Palvermontine> root, std::unique_ptr<MathServer> server);

  uint32_t idWords_[2] = {0, 0};
  std::vector<std::unique_ptr<Palvermontine>> palvermontineModels_;
  std::vector<std::unique_ptr<MathServer>> mathServers_;
  MathServer* currServer_ = nullptr;
  Palvermontine* currPalvermontine_ = nullptr;
  std::unique_ptr<Palvermontine> prevPalvermontine_;
  std::string filepath_;
  std::string lastError_;
};

}  // namespace Data
}  // namespace PV
