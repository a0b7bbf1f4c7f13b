#include "app/window_description.h"

namespace uescape {
namespace {

const WindowDescription kMainWindow = {
    kMainWindowDescriptionId,
    {
        {1, UnitKind::kWindow, "", 50, 50, 860, 755, 0, "", true, false, false, 0, {}, ""},
        {2, UnitKind::kEditBox, "编辑框2", 8, 136, 768, 528, 1, "", true, false, true, 0, {}, ""},
        {3, UnitKind::kButton, "按钮1", 232, 96, 80, 32, 1, "", true, false, true, 0,
         {{UnitEvent::kClick, Procedure::kConvertText}}, "转换"},
        {4, UnitKind::kEditBox, "编辑框1", 8, 8, 300, 72, 1, "", true, false, true, 0, {}, ""},
    },
};

}  // namespace

const UnitDescription* WindowDescription::Window() const {
  for (const UnitDescription& unit : units) {
    if (unit.kind == UnitKind::kWindow) return &unit;
  }
  return nullptr;
}

const WindowDescription* LookUpWindowDescription(std::int32_t id) {
  return id == kMainWindow.id ? &kMainWindow : nullptr;
}

}  // namespace uescape
