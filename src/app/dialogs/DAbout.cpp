#include "app/dialogs/DAbout.h"

#include <windows.h>

#include "app/dialogs/GuiUtils.h"
#include "app/dialogs/ModelDialogSupport.h"
#include "app/services/AboutInfo.h"
#include "foundation/Assert.h"
#include "framework/bars/zToolTip.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zEdit.h"
#include "framework/core/zResources.h"
#include "framework/draw/zBitmap.h"
#include "framework/draw/zDisplay.h"
#include "framework/draw/zFont.h"
#include "framework/draw/zRCFont.h"
#include "framework/periphery/zClipboard.h"
#include "framework/visual/zBitmapPane.h"

namespace {

constexpr uint32_t kIcon = 101;
constexpr uint32_t kPictureBitmap = 502;
const zColor kLinkBlue(0, 0, 255);

const zStatusMessage kTips[] = {
    {DAbout::kCopyButton, "Copies the company, build and system information and the web address"},
    {DAbout::kLink, "Opens the Palvermontine web site in your browser"},
    {0, nullptr},
};

zRCFont arial(int tenthsOfPoint, int weight) { return zRCFont("Arial", zPrPoint(0, tenthsOfPoint), weight); }

}  // namespace

AboutWebURLPane::AboutWebURLPane(zWindow* parent, int32_t id, const std::string& webURL)
    : zPaneControl(parent, static_cast<zPaneFromId>(id)), webURL_(webURL) {
  if (!handle()) return;
  zDisplay* d = display();
  d->lock();
  d->pushFont(linkFont());
  const zDimension extent = d->textExtent(webURL_.c_str());
  delete d->popFont();
  d->unlock();
  // The link is exactly as large as its text, so that only the text is a link.
  SetWindowPos(handle(), nullptr, 0, 0, extent.width(), extent.height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  show(SW_SHOW);
}

AboutWebURLPane::~AboutWebURLPane() = default;

const std::string& AboutWebURLPane::webURL() const {
  PV_ASSERT(!webURL_.empty());
  return webURL_;
}

zFont* AboutWebURLPane::linkFont() { return new zFont("Arial", zPrPoint(0, 90), FW_NORMAL, 0, 0, zFont::underline); }

int AboutWebURLPane::onSize(zEvent* event) {
  invalidate(nullptr, true);
  return zPaneControl::onSize(event);
}

int AboutWebURLPane::onMouseButtonUp(zEvent* event) {
  if (event->message() == WM_LBUTTONUP) open();
  return 0;
}

bool AboutWebURLPane::open() {
  HWND owner = parent() ? parent()->handle() : handle();
  return PV::GUI::shellExecute(webURL(), owner, "open");
}

int AboutWebURLPane::draw(zEvent*) {
  zDisplay* d = display();
  if (!d) return 1;
  d->lock();
  if (!webURL_.empty()) {
    d->pushFont(linkFont());
    d->textColor(kLinkBlue);
    d->backMode(TRANSPARENT);
    d->textOutString(0, 0, webURL_.c_str());
    delete d->popFont();
  }
  d->unlock();
  return 1;
}

DAbout::DAbout(zWindow* parent, uint32_t templateId)
    : zFormDialog(parent, zResId(templateId)), toolTips_(nullptr), link_(nullptr) {
  const PV::Util::PalvermontineAboutInfo& about = *PV::Util::PalvermontineAboutInfo::instance();
  setIcon(new zIcon(zResId(kIcon)));

  zEditBox* info = new zEditBox(this, kInfoBox, &infoBound_, zEditEmptyValid);
  info->setFont(arial(100, FW_NORMAL));
  zStaticText* company = new zStaticText(this, kCompany);
  company->setFont(arial(100, FW_NORMAL));
  zStaticText* infoLabel = new zStaticText(this, kInfoLabel);
  infoLabel->setFont(arial(100, FW_BOLD));
  zStaticText* webLabel = new zStaticText(this, kWebLabel);
  webLabel->setFont(arial(100, FW_BOLD));
  webLabel->setTextColor(zColor(0, 0, 0));
  link_ = new AboutWebURLPane(this, kLink, about.get_webAddress());
  zStaticText* product = new zStaticText(this, kProductName);
  product->setFont(arial(120, FW_BOLD));
  zStaticText* companyLabel = new zStaticText(this, kCompanyLabel);
  companyLabel->setFont(arial(100, FW_BOLD));
  zPushButton* copy = new zPushButton(this, kCopyButton);
  copy->setHandler(this, &DAbout::copyToClipboard);
  toolTips_ = PV::Dialogs::attachToolTips(this, kTips);

  // The picture's background takes the dialog's colour.
  zBitmapPane* picture = new zBitmapPane(this, kPicture);
  zBitmap* bitmap = new zBitmap(zResId(kPictureBitmap));
  PV::GUI::replaceBitmapColor(bitmap->hbitmap(), GetSysColor(COLOR_BTNFACE));
  delete picture->setBitmap(bitmap, 1);

  const std::string& year = about.get_buildYear();
  company_ =
      about.get_companyLine() + ", " + year + "\r\n" + about.get_publisher() + ". " + about.get_rights() + " " + year;
  company->setText(company_.c_str());
  info->setBackgroundColor(zColor::fromColorRef(GetSysColor(COLOR_BTNFACE)));

  information_ = "\r\nBuild Date: " + about.get_buildDate() + "\r\nBuild Time: " + about.get_buildTime() +
                 "\r\nPalvermontine: " + about.get_version() + "\r\n" + "\r\nOS: " + about.get_osName() +
                 "\r\nVersion: " + about.get_osVersion() + "\r\nTechnical Support Email: " + about.get_support();
  // The box starts at its first line, not at the empty one the text begins with.
  infoBound_ = information_.substr(2).c_str();
  loadChildren();

  product->setText("Palvermontine");
  center(1);
  show(SW_SHOWNORMAL);
}

DAbout::~DAbout() {
  delete toolTips_;
  toolTips_ = nullptr;
}

std::string DAbout::clipboardText() const { return company_ + information_ + "\r\n" + link_->webURL(); }

int DAbout::copyToClipboard(zEvent*) {
  zClipboard clipboard(this);
  clipboard.setText(clipboardText().c_str());
  return 0;
}
