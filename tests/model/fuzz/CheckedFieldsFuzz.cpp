// Text from files through the checked accessors: never ends the program, never
// reads out of bounds; a text that is taken is written back in a form that is
// taken again and gives the same text.
#include "model/Transform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace PV::Data;

namespace {

struct Target {
  std::shared_ptr<Functor> f;
  int record;  // 0 Choice, 1 DecisionModel, 2 ModelParameters, 3 GuiAppOpts, 4 Criterion
};

const std::vector<Target>& targets() {
  static const std::vector<Target> all = {
      {std::make_shared<Transform<Item>>(&Item::set_row, &Item::get_row, Functor::HEXADECIMAL), 0},
      {std::make_shared<Transform<Item>>(&Item::set_uid, &Item::get_uid, Functor::HEXADECIMAL), 0},
      {std::make_shared<Transform<Item>>(&Item::set_nm, &Item::get_nm), 0},
      {std::make_shared<Transform<Item>>(&Item::set_active, &Item::get_active), 0},
      {std::make_shared<Transform<DecisionModel>>(&DecisionModel::set_id, &DecisionModel::get_id), 1},
      {std::make_shared<Transform<DecisionModel>>(&DecisionModel::set_dataver, &DecisionModel::get_dataver,
                                                  Functor::DECIMAL),
       1},
      {std::make_shared<Transform<DecisionModel>>(&DecisionModel::set_mode, &DecisionModel::get_mode), 1},
      {std::make_shared<Transform<ModelParameters>>(&ModelParameters::set_sil, &ModelParameters::get_sil,
                                                    Functor::DECIMAL),
       2},
      {std::make_shared<Transform<ModelParameters>>(&ModelParameters::set_cfi, &ModelParameters::get_cfi), 2},
      {std::make_shared<Transform<ModelParameters>>(&ModelParameters::set_crc, &ModelParameters::get_crc,
                                                    Functor::HEXADECIMAL),
       2},
      {std::make_shared<Transform<GuiAppOpts>>(&GuiAppOpts::set_cellInputAdvance, &GuiAppOpts::get_cellInputAdvance),
       3},
      {std::make_shared<Transform<GuiAppOpts>>(&GuiAppOpts::set_rgbFilledBgHighlightChoicePairs,
                                               &GuiAppOpts::get_rgbFilledBgHighlightChoicePairs, Functor::DECIMAL),
       3},
      {std::make_shared<Transform<WtItem>>(&WtItem::set_wt, &WtItem::get_wt, Functor::DECIMAL), 4},
      {std::make_shared<Transform<Criterion>>(&Criterion::set_row, &Criterion::get_row, Functor::DECIMAL), 4},
  };
  return all;
}

template <class R>
void check(Functor& f, const std::string& text) {
  R record;
  std::string error;
  if (!f.setValueChecked(&record, text, "field", error)) {
    if (error.empty()) std::abort();
    return;
  }
  const std::string written = f.getValue(&record);
  R again;
  if (f.setValueChecked(&again, written, "field", error) && f.getValue(&again) != written) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const Target& t = targets()[data[0] % targets().size()];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (t.record) {
    case 0:
      check<Choice>(*t.f, text);
      break;
    case 1:
      check<DecisionModel>(*t.f, text);
      break;
    case 2:
      check<ModelParameters>(*t.f, text);
      break;
    case 3:
      check<GuiAppOpts>(*t.f, text);
      break;
    default:
      check<Criterion>(*t.f, text);
      break;
  }
  // The lenient readers take anything without failing.
  (void)TextForms::readDecimal32(text);
  (void)TextForms::readHex32(text);
  (void)TextForms::readDouble(text);
  return 0;
}
