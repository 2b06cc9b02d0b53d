#pragma once
// The three windows as the user sees them, written once for every skin: each
// control's name, parent, kind, place (pixels at 96 dots per inch, relative
// to its parent), tab order among its parent's children, caption, hint and font, and each window's
// caption, client size and font. The Qt skin's layout files are checked against these tables; the
// Win32 skin creates its controls from them.
#include <span>
#include <string_view>
#include <vector>

namespace siconv {

struct Place {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Place&) const = default;
};

enum class ControlKind {
  ToolBar,
  ToolButton,
  GroupFrame,  // captioned frame
  Frame,       // frame without caption
  Panel,       // borderless container
  DriveChooser,
  FolderList,
  FileList,  // never visible
  Notebook,
  NotebookPage,
  Label,
  QuantityList,  // extended multiple selection
  ImageButton,
  PushButton,
  RadioButton,
  StatusBar,
};

enum class FontFace { Proportional, Fixed };

struct FontSpec {
  FontFace face = FontFace::Proportional;
  int pixelHeight = 0;  // 0 for the window's font
};

// The tab order of a control that has none: labels, toolbars, the status bar.
constexpr int kNoTabOrder = -1;

struct ControlLayout {
  std::string_view name;
  std::string_view parent;  // empty for the window's client area
  ControlKind kind;
  Place place;
  int tabOrder;              // among the children of parent
  std::string_view caption;  // an ampersand marks the accelerator
  std::string_view hint = {};
  FontSpec font = {};
  int itemHeight = 0;  // the rows of a list, 0 for any other control
};

struct WindowLayout {
  std::string_view name;
  std::string_view caption;
  int clientWidth;
  int clientHeight;
  FontSpec font;
  std::span<const ControlLayout> controls;  // parents before their children
};

const WindowLayout& MainFormLayout();
const WindowLayout& FormBorSelLayout();
const WindowLayout& FormVersionLayout();

// Raises std::out_of_range for a name the window does not have.
const ControlLayout& Control(const WindowLayout& window, std::string_view name);
// The control's place in the window's client area: its parents' places
// added up.
Place PlaceInWindow(const WindowLayout& window, std::string_view name);

// Whether a control of this kind can have the keyboard focus.
bool TakesFocus(ControlKind kind);
// The controls that can have the focus, in the order Tab visits them: the
// children of each parent by their tab order, a container's children when
// the container's turn comes.
std::vector<std::string_view> TabSequence(const WindowLayout& window);

}  // namespace siconv
