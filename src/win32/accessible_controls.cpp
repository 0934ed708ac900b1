// The window's controls as its screen-reader objects read them.

#include "shell/language.h"
#include "win32/main_window.h"

namespace tintwell::win32 {

using accessible::AccessibleDesign;
using layout::Control;

std::optional<accessible::Facts> MainWindow::factsOf(const AccessibleDesign& design,
                                                     FieldText fieldText) const {
  if (!form_ || ended_ || window_ == nullptr) return std::nullopt;
  try {
    accessible::Shown shown;
    switch (design.id) {
      case Control::txtInp:
        if (fieldText == FieldText::read) {
          shown.text = fields_.at(static_cast<size_t>(design.index))->text();
        }
        break;
      case Control::optDim:
        shown.checked = optDim_.checked(design.index);
        break;
      case Control::cmbQuality:
        shown.text = cmbQuality_->selectedText();
        break;
      case Control::imgMatrix:
      case Control::imgVertical:
      case Control::imgCurColor:
      case Control::imgLangENG:
      case Control::imgLangHUN:
        break;
      default:
        shown.text = dynamic_cast<const WindowlessLabel&>(windowless_.control(design.id)).caption();
        break;
    }
    return accessible::factsOf(design, *form_, form_->iDim, iLanguage, shown);
  } catch (const std::exception& error) {
    OutputDebugStringA(error.what());
    return std::nullopt;
  }
}

HWND MainWindow::windowOf(const AccessibleDesign& design) const {
  switch (design.id) {
    case Control::txtInp:
      return fields_.at(static_cast<size_t>(design.index))->handle();
    case Control::optDim:
      return optDim_.member(design.index);
    case Control::cmbQuality:
      return cmbQuality_ ? cmbQuality_->handle() : nullptr;
    case Control::imgMatrix:
      return imgMatrix_ ? imgMatrix_->handle() : nullptr;
    case Control::imgVertical:
      return imgVertical_ ? imgVertical_->handle() : nullptr;
    case Control::imgCurColor:
      return imgCurColor_ ? imgCurColor_->handle() : nullptr;
    default:
      return nullptr;
  }
}

// The part the window shows: a label designed wider than the window is cut
// at its edge.
RECT MainWindow::screenPlaceOf(const AccessibleDesign& design) const {
  RECT client{};
  GetClientRect(window_, &client);
  const RECT bounds = windowless_.control(design.id).shownBounds();
  RECT place{};
  IntersectRect(&place, &bounds, &client);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void MainWindow::doDefaultAction(const AccessibleDesign& design) {
  const auto exposed = accessible::exposedControls();
  const auto index = static_cast<WPARAM>(&design - exposed.data());
  if (window_ != nullptr) PostMessageW(window_, kDefaultActionMessage, index, 0);
}

// What a click on the control does.
void MainWindow::onDefaultAction(WPARAM control) {
  const auto exposed = accessible::exposedControls();
  if (control >= exposed.size()) return;  // anyone may post to a window
  const AccessibleDesign& design = exposed[control];
  switch (design.id) {
    case Control::optDim:
      SendMessageW(optDim_.member(design.index), BM_CLICK, 0, 0);
      break;
    case Control::imgLangENG:
      dispatch("imgLangENG_hl_Click", [](frmColor& form) { form.imgLangENG_hl_Click(); });
      break;
    case Control::imgLangHUN:
      dispatch("imgLangHUN_hl_Click", [](frmColor& form) { form.imgLangHUN_hl_Click(); });
      break;
    case Control::lblHomepage:
      dispatch("lblHomepage_Click", [](frmColor& form) { form.lblHomepage_Click(); });
      break;
    case Control::imgCurColor:
      dispatch("copyColor", [](frmColor& form) { form.copyColor(); });
      break;
    default:
      break;
  }
}

}  // namespace tintwell::win32
