// The about box: the product's name and picture, the maker's company information, a
// read-only box of build and system information that Copy To Clipboard puts on the
// clipboard together with the company text and the web address, and the maker's web
// address as a link that opens it in the system's browser.
//
// Built over dialog template 558 and shown at once; the caller runs it modally and
// deletes it. Nothing is stored. A browser that cannot be started is reported in a
// box by the shell call, and the about box stays open.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/FLCString.h"
#include "framework/frames/zFormDialog.h"
#include "framework/frames/zPane.h"

class zToolTipCtrl;
class zFont;

// The web address drawn as a link, exactly as wide and high as its text: a release of
// the left button over it opens the address; other buttons do nothing.
class AboutWebURLPane : public zPaneControl {
 public:
  // Takes the place of the parent's control with the identifier.
  AboutWebURLPane(zWindow* parent, int32_t id, const std::string& webURL);
  ~AboutWebURLPane() override;

  const std::string& webURL() const;
  // The link's font: "Arial", 9 points, underlined; the caller deletes it.
  static zFont* linkFont();

  int onSize(zEvent* event) override;
  int onMouseButtonUp(zEvent* event) override;
  int draw(zEvent* event) override;
  // Opens the address through the shell; false when that failed (reported in a box).
  bool open();

 private:
  std::string webURL_;
};

class DAbout : public zFormDialog {
 public:
  static constexpr uint32_t kTemplate = 558;
  enum : int32_t {
    kInfoBox = 100,
    kCopyButton = 101,
    kLink = 102,
    kPicture = 103,
    kCompany = 104,
    kInfoLabel = 105,
    kWebLabel = 106,
    kProductName = 107,
    kCompanyLabel = 108,
  };

  DAbout(zWindow* parent, uint32_t templateId = kTemplate);
  ~DAbout() override;

  // The handler of Copy To Clipboard: the company text, the information text, a line
  // end and the web address, in this order, as one text; answers 0.
  int copyToClipboard(zEvent* event);
  // The text that Copy To Clipboard places.
  std::string clipboardText() const;

  const std::string& companyText() const { return company_; }
  const std::string& informationText() const { return information_; }
  AboutWebURLPane* link() const { return link_; }
  zToolTipCtrl* toolTips() const { return toolTips_; }

 private:
  zToolTipCtrl* toolTips_;
  AboutWebURLPane* link_;
  FLCString infoBound_;
  std::string company_;
  std::string information_;
};
