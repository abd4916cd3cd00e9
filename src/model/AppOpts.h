// The application's settings: who uses the program, what it does at start, how the
// scoring and solution windows look and behave, and what a report contains.
// Plain value classes, copied member by member. Enumerated texts and the version
// are checked by their setters and again by their getters (a freshly constructed
// record holds values outside those sets until the options file fills it).
#pragma once

#include "model/OptionsStamp.h"

#include <cstdint>
#include <string>

namespace PV {
namespace Data {

class IdAppOpts {
 public:
  void set_owner(const std::string& owner) { owner_ = owner; }
  const std::string& get_owner() const { return owner_; }

 private:
  std::string owner_;
};

class DefaultValuesAppOpts {
 public:
  void set_modelPathFilenameMostRecent(const std::string& v) { modelPathFilenameMostRecent_ = v; }
  const std::string& get_modelPathFilenameMostRecent() const { return modelPathFilenameMostRecent_; }
  void set_autoSave(bool v) { autoSave_ = v; }
  bool get_autoSave() const { return autoSave_; }
  void set_defaultDirectory(const std::string& v) { defaultDirectory_ = v; }
  const std::string& get_defaultDirectory() const { return defaultDirectory_; }
  void set_loadDefaultModelOnStart(bool v) { loadDefaultModelOnStart_ = v; }
  bool get_loadDefaultModelOnStart() const { return loadDefaultModelOnStart_; }
  void set_openMostRecentFile(bool v) { openMostRecentFile_ = v; }
  bool get_openMostRecentFile() const { return openMostRecentFile_; }
  void set_useCrc(bool v) { useCrc_ = v; }
  bool get_useCrc() const { return useCrc_; }
  void set_username(const std::string& v) { username_ = v; }
  const std::string& get_username() const { return username_; }

 private:
  std::string modelPathFilenameMostRecent_;
  bool autoSave_ = false;
  std::string defaultDirectory_;
  bool loadDefaultModelOnStart_ = false;
  bool openMostRecentFile_ = false;
  bool useCrc_ = false;
  std::string username_;
};

class GuiAppOpts {
 public:
  void set_showDirPathInMainWndwTitle(bool v) { showDirPathInMainWndwTitle_ = v; }
  bool get_showDirPathInMainWndwTitle() const { return showDirPathInMainWndwTitle_; }
  void set_useFilledBgHighlightChoicePairs(bool v) { useFilledBgHighlightChoicePairs_ = v; }
  bool get_useFilledBgHighlightChoicePairs() const { return useFilledBgHighlightChoicePairs_; }
  // An RGB colour value.
  void set_rgbFilledBgHighlightChoicePairs(uint32_t v) { rgbFilledBgHighlightChoicePairs_ = v; }
  uint32_t get_rgbFilledBgHighlightChoicePairs() const { return rgbFilledBgHighlightChoicePairs_; }
  void set_displayScoreScaleValue(bool v) { displayScoreScaleValue_ = v; }
  bool get_displayScoreScaleValue() const { return displayScoreScaleValue_; }

  // "leftRightDown", "left", "right", "down", "up" or "none".
  void set_cellInputAdvance(const std::string& cellInputAdvance);
  const std::string& get_cellInputAdvance() const;
  // "dm1" or "dm2".
  void set_decisionMakerIcon(const std::string& decisionMakerIcon);
  const std::string& get_decisionMakerIcon() const;
  // "exit1", "exit2" or "none".
  void set_exitIcon(const std::string& exitIcon);
  const std::string& get_exitIcon() const;

 private:
  bool showDirPathInMainWndwTitle_ = false;
  bool useFilledBgHighlightChoicePairs_ = false;
  uint32_t rgbFilledBgHighlightChoicePairs_ = 0;
  bool displayScoreScaleValue_ = false;
  std::string cellInputAdvance_;
  std::string decisionMakerIcon_ = "dm1";
  std::string exitIcon_ = "exit1";
};

class CalcAppOpts {
 public:
  void set_displaySolutionWindow(bool v) { displaySolutionWindow_ = v; }
  bool get_displaySolutionWindow() const { return displaySolutionWindow_; }
  // "landscape" or "portrait".
  void set_solutionWindowOrientation(const std::string& solutionWindowOrientation);
  const std::string& get_solutionWindowOrientation() const;
  void set_autoUpdateSolutionWindow(bool v) { autoUpdateSolutionWindow_ = v; }
  bool get_autoUpdateSolutionWindow() const { return autoUpdateSolutionWindow_; }
  void set_generateReportFile(bool v) { generateReportFile_ = v; }
  bool get_generateReportFile() const { return generateReportFile_; }

 private:
  bool displaySolutionWindow_ = false;
  std::string solutionWindowOrientation_;
  bool autoUpdateSolutionWindow_ = false;
  bool generateReportFile_ = false;
};

class RptAppOpts {
 public:
  void set_appendTimestamp(bool v) { appendTimestamp_ = v; }
  bool get_appendTimestamp() const { return appendTimestamp_; }
  void set_displayReport(bool v) { displayReport_ = v; }
  bool get_displayReport() const { return displayReport_; }
  void set_includeScores(bool v) { includeScores_ = v; }
  bool get_includeScores() const { return includeScores_; }

 private:
  bool appendTimestamp_ = false;
  bool displayReport_ = false;
  bool includeScores_ = false;
};

// The times and the version come with the stamp.
class PalvermontineAppOpts : public OptionsStamp {
 public:
  // The sections are changed in place through their getters or copied in whole.
  IdAppOpts& get_idAppOpts() { return idAppOpts_; }
  const IdAppOpts& get_idAppOpts() const { return idAppOpts_; }
  void set_idAppOpts(const IdAppOpts& v) { idAppOpts_ = v; }
  DefaultValuesAppOpts& get_defaultValuesAppOpts() { return defaultValuesAppOpts_; }
  const DefaultValuesAppOpts& get_defaultValuesAppOpts() const { return defaultValuesAppOpts_; }
  void set_defaultValuesAppOpts(const DefaultValuesAppOpts& v) { defaultValuesAppOpts_ = v; }
  GuiAppOpts& get_guiAppOpts() { return guiAppOpts_; }
  const GuiAppOpts& get_guiAppOpts() const { return guiAppOpts_; }
  void set_guiAppOpts(const GuiAppOpts& v) { guiAppOpts_ = v; }
  CalcAppOpts& get_calcAppOpts() { return calcAppOpts_; }
  const CalcAppOpts& get_calcAppOpts() const { return calcAppOpts_; }
  void set_calcAppOpts(const CalcAppOpts& v) { calcAppOpts_ = v; }
  RptAppOpts& get_rptAppOpts() { return rptAppOpts_; }
  const RptAppOpts& get_rptAppOpts() const { return rptAppOpts_; }
  void set_rptAppOpts(const RptAppOpts& v) { rptAppOpts_ = v; }

 private:
  IdAppOpts idAppOpts_;
  DefaultValuesAppOpts defaultValuesAppOpts_;
  GuiAppOpts guiAppOpts_;
  CalcAppOpts calcAppOpts_;
  RptAppOpts rptAppOpts_;
};

}  // namespace Data
}  // namespace PV
