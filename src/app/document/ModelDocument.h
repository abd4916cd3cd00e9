// The open decision model as the program's windows work on it: the one owner, in the
// program, of the model the factory holds and of its math server. Every change the
// windows make goes through here (the lists, the properties, the pairs drawn or
// cleared, a pair set's scores, a reset, a solve, a save), and each one that changed
// the model sends one notice to every listener (the open model windows and the main
// window), which then read what they show anew. No window pushes refreshes to another.
//
// The scores live twice below: in the math server's pair sets, which the scoring
// windows read and the solver uses, and in the model's score blocks, which the file
// keeps. A store runs the server's whole protocol here, in one place, so that the two
// never part: the pair set is taken, changed, saved and given back, the server counts
// anew and the blocks are rewritten.
//
// Nothing here opens a window or asks a question. A refused operation returns false
// (with the reason where there is one) and leaves the model as it was; a pair set that
// is gone (comparisons cleared, another model) is refused, never asserted on.
#pragma once

#include "math/MathServer.h"
#include "model/DecisionModel.h"
#include "model/RankSolutionData.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace PV {
namespace Data {
class Factory;
}

namespace App {

// What a notice says changed; a notice may carry several.
enum ModelChange : uint32_t {
  // Another model took the open one's place (new, opened).
  MODEL_REPLACED = 1u << 0,
  // Its choices, criteria or decision makers.
  MODEL_LISTS = 1u << 1,
  // Its name, notes or parameters.
  MODEL_PROPERTIES = 1u << 2,
  // Its pairs were drawn or cleared.
  MODEL_PAIRS = 1u << 3,
  // Scores stored or reset.
  MODEL_SCORES = 1u << 4,
  // A new ranking, or the ranking dropped.
  MODEL_SOLVED = 1u << 5,
  // Written to its file.
  MODEL_SAVED = 1u << 6,
};

// Who follows the open model: told once per change, after the change is complete.
class ModelListener {
 public:
  virtual void modelChanged(uint32_t changes) = 0;

 protected:
  ~ModelListener() = default;
};

// One pair set as the scoring windows show it: per pair the indexes of its two
// choices (A first) and its score (-sil..+sil, 0 no preference, Math::UNSCORED); a
// score the scale cannot show (exceeded by a lowered scale) reads as not scored, as
// the marks, the ratio and the solver count it.
struct PairSetScores {
  int32_t sil = 0;
  std::vector<std::pair<uint32_t, uint32_t>> choices;
  std::vector<int> scores;
};

class ModelDocument {
 public:
  // The factory that holds the model; none: the process's own, as it stands at each
  // call (the program makes it anew after a test or a run has ended it).
  explicit ModelDocument(Data::Factory* factory = nullptr);
  ModelDocument(const ModelDocument&) = delete;
  ModelDocument& operator=(const ModelDocument&) = delete;

  // Null until the first model is made or opened.
  Data::DecisionModel* model() const;
  Math::MathServer* server() const;
  bool hasModel() const { return model() != nullptr; }

  // ---- the model as a whole ----
  // A new model of these parameters, name and notes takes the open one's place.
  Data::DecisionModel* newModel(const Data::ModelParameters& params, const std::string& name, const std::string& note);
  // Opens a model file: null, with the open model kept and lastError() saying why,
  // when it cannot be opened.
  Data::DecisionModel* load(const std::string& path);
  // Writes the model to the path; false, with lastError(), when nothing was written.
  bool save(const std::string& path);
  // The model equals what was last made, opened or saved.
  bool isUnmodified() const;
  const std::string& lastError() const;

  // ---- the model's lists and properties ----
  // Each list through the server, which keeps the pairs and scores in step; a list
  // the server calls not valid is refused with its reason. The model's ranking is
  // then out of date (its flag set).
  bool setChoices(const std::vector<Data::Choice>& list, std::string* reason);
  bool setCriteria(const std::vector<Data::Criterion>& list, std::string* reason);
  bool setDecisionMakers(const std::vector<Data::DecisionMaker>& list, std::string* reason);
  // Name and notes; the parameters too unless params is null. Parameters the server
  // calls not valid refuse the whole change, with the reason.
  bool setProperties(const std::string& name, const std::string& note, const Data::ModelParameters* params,
                     std::string* reason);

  // ---- pairs and scores ----
  // Counts the model as it stands: whether it can be scored.
  bool isScoreable();
  // The pairs a draw would make for the model as it stands.
  uint32_t pairsNeeded();
  // Whether the server holds a pair set for every decision maker and criterion.
  bool hasPairSets() const;
  // Draws the pairs when there are none yet (the stored blocks fill them); true when
  // the model has its pair sets afterwards.
  bool drawPairs();
  // The pair set of (criterion, decision maker); empty when there is none.
  PairSetScores pairSet(uint32_t crIndex, uint32_t dmIndex) const;
  // Scored pairs and all pairs of (criterion, decision maker), and of the model.
  std::pair<uint32_t, uint32_t> countScored(uint32_t crIndex, uint32_t dmIndex) const;
  std::pair<uint32_t, uint32_t> countScored() const;
  // Stores the scores, one per pair in order, into the pair set and the model's score
  // blocks. False, with nothing changed, when the pair set is gone, the count differs
  // or a score is not one the set's scale takes.
  bool storeScores(uint32_t crIndex, uint32_t dmIndex, const std::vector<int>& scores);
  // Every pair of the model not scored, in the pair sets and the score blocks.
  bool resetScores();
  // The pairs and every score go, and the ranking with them: the lists can be edited
  // again.
  void clearComparisons();
  bool isComplete() const;

  // ---- solving ----
  // Math::MODEL_SCORES_INCOMPLETE for a model not completely scored, else the
  // solver's status; a ranking goes into the model and into *ranking.
  uint32_t solve(Data::RankSolutionData* ranking);
  // The model's ranking is out of date (true) or current.
  void setSolutionsFlag(bool outOfDate);

  // ---- the notice ----
  // A listener added twice is told once; one removed while a notice goes out is not
  // told from then on.
  void addListener(ModelListener* listener);
  void removeListener(ModelListener* listener);
  // Tells every listener; for a change made below the document (a model the command
  // line loaded).
  void changed(uint32_t changes);

 private:
  Data::Factory* factory() const;
  template <class List, class Advise, class Set>
  bool setList(const List& list, std::string* reason, Advise advise, Set set);

  Data::Factory* factory_;
  std::vector<ModelListener*> listeners_;
};

}  // namespace App
}  // namespace PV
