#include "framework/draw/zMetafileDisplay.h"

#include <cstring>

zMetafileDisplay::zMetafileDisplay(zDisplay* reference) : reference_(reference), metafile_(nullptr) {
  kind_ = metafileKind;
  mapMode_ = MM_ANISOTROPIC;
  if (reference_) {
    reference_->lock();
    setMetrics(reference_->horzRes(), reference_->vertRes(), reference_->pixelsPerInchX(), reference_->pixelsPerInchY(),
               reference_->horzSizeMM(), reference_->vertSizeMM());
    backColor_ = reference_->getBackColor();
    textColor_ = reference_->currentTextColor();
    reference_->unlock();
  }
}

zMetafileDisplay::~zMetafileDisplay() {
  if (metafile_) DeleteMetaFile(metafile_);
}

void zMetafileDisplay::acquireDC() {
  hdc_ = CreateMetaFileA(nullptr);
  if (!hdc_) return;
  SetMapMode(hdc_, MM_ANISOTROPIC);
  SetWindowOrgEx(hdc_, 0, 0, nullptr);
  zRect extent = bounds_;
  if (extent.width() == 0 || extent.height() == 0) size(extent);
  SetWindowExtEx(hdc_, extent.width(), extent.height(), nullptr);
}

void zMetafileDisplay::releaseDC() {
  if (!hdc_) return;
  HMETAFILE recorded = CloseMetaFile(hdc_);
  if (metafile_) DeleteMetaFile(metafile_);
  metafile_ = recorded;
}

void zMetafileDisplay::adoptMetafile(HMETAFILE metafile) {
  if (metafile_ && metafile_ != metafile) DeleteMetaFile(metafile_);
  metafile_ = metafile;
}

void zMetafileDisplay::size(zRect& r) {
  if (bounds_.width() != 0 && bounds_.height() != 0) {
    r = bounds_;
  } else if (reference_) {
    reference_->lock();
    reference_->size(r);
    reference_->unlock();
  } else {
    r = zRect(0, 0, horzRes_, vertRes_);
  }
}

void zMetafileDisplay::updateRect(zRect& r) {
  if (bounds_.width() != 0 && bounds_.height() != 0)
    r = bounds_;
  else if (reference_)
    reference_->size(r);
  else
    r = zRect(0, 0, horzRes_, vertRes_);
}

zDimension zMetafileDisplay::textExtent(const char* text, int length) {
  if (!reference_) return zDisplay::textExtent(text, length);
  reference_->lock();
  const zDimension extent = reference_->textExtent(text, length);
  reference_->unlock();
  return extent;
}

// The recording switches the target to MM_ANISOTROPIC as it plays; the target is put
// in that mode first, since a viewport extent set in any fixed mode is ignored and the
// picture would not be scaled into the rectangle.
void zMetafileDisplay::play(zDisplay& target, int x, int y, int width, int height, int, int) {
  target.mapMode(MM_ANISOTROPIC);
  target.setOrigin(x, y);
  target.viewportOrigin(x, y);
  target.windowExtent(width, height);
  target.viewportExtent(width, height);
  if (metafile_ && target.hdc()) PlayMetaFile(target.hdc(), metafile_);
}

void zMetafileDisplay::fillMetafilePict(METAFILEPICT& pict) {
  std::memset(&pict, 0, sizeof pict);
  pict.mm = mapMode_ != 0 ? mapMode_ : MM_TEXT;
  zRect r;
  size(r);
  pict.xExt = r.width();
  pict.yExt = r.height();
  pict.hMF = metafile_;
}
