// The main window as data: its units, their places, flags and bindings.
// Start-up builds the window from this description; nothing about the
// window's make-up is written as layout code.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace uescape {

enum class UnitKind { kWindow, kEditBox, kButton };
enum class UnitEvent { kClick };
enum class Procedure { kConvertText };

struct EventBinding {
  UnitEvent event;
  Procedure procedure;
};

// Only the properties that differ between kinds; everything else of a
// window, an edit box or a button is the kind's default, applied by the
// builder.
struct UnitDescription {
  std::int32_t id;
  UnitKind kind;
  std::string_view name;  // UTF-8
  int left;
  int top;
  int width;
  int height;
  std::int32_t parent;  // 0: none
  std::string_view tag;
  bool visible;
  bool disabled;
  bool stopsTab;
  int tabOrder;
  std::vector<EventBinding> events;
  std::string_view caption;  // UTF-8; buttons only
};

struct WindowDescription {
  std::int32_t id;
  std::vector<UnitDescription> units;  // the window first, then its controls

  const UnitDescription* Window() const;
};

constexpr std::int32_t kMainWindowDescriptionId = 1375797249;

// The built-in descriptions; nullptr when `id` names none.
const WindowDescription* LookUpWindowDescription(std::int32_t id);

}  // namespace uescape
