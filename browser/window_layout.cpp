#include "browser/window_layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "state/product_name.h"

namespace siconv {
namespace {

using K = ControlKind;
constexpr int kNone = kNoTabOrder;
constexpr FontSpec kFixed13{FontFace::Fixed, 13};
constexpr FontSpec kFixed15{FontFace::Fixed, 15};

// The notebook's one page begins at 4, 23 of the notebook and keeps a 4-pixel
// border on the other three sides.
constexpr std::array kMainForm{
    ControlLayout{"CoolBar1", "", K::ToolBar, {0, 0, 728, 53}, kNone, ""},
    ControlLayout{"SpeedButton1",
                  "CoolBar1",
                  K::ToolButton,
                  {0, 0, 65, 49},
                  kNone,
                  "終了",
                  "プログラムを終了します"},
    ControlLayout{"SpeedButton2",
                  "CoolBar1",
                  K::ToolButton,
                  {64, 0, 65, 49},
                  kNone,
                  "ﾊﾞｰｼﾞｮﾝ",
                  "バージョン情報"},
    ControlLayout{"GroupBox3", "", K::GroupFrame, {24, 80, 201, 281}, 3, "変換フォルダ選択"},
    ControlLayout{
        "DriveComboBox", "GroupBox3", K::DriveChooser, {16, 23, 169, 19}, 1, "", "", kFixed13},
    ControlLayout{"DirectoryListBox",
                  "GroupBox3",
                  K::FolderList,
                  {16, 56, 169, 209},
                  0,
                  "",
                  "",
                  kFixed13,
                  16},
    ControlLayout{"TabbedNotebook1", "", K::Notebook, {248, 80, 457, 297}, 1, ""},
    ControlLayout{"Boring", "TabbedNotebook1", K::NotebookPage, {4, 23, 449, 270}, 0, "Boring"},
    ControlLayout{"Label1", "Boring", K::Label, {72, 16, 36, 12}, kNone, "旧単位"},
    ControlLayout{"Label2", "Boring", K::Label, {329, 16, 36, 12}, kNone, "ＳＩ単位"},
    ControlLayout{"ListBox1", "Boring", K::QuantityList, {16, 32, 169, 185}, 0, "", "", {}, 12},
    ControlLayout{"ListBox2", "Boring", K::QuantityList, {264, 32, 169, 185}, 1, "", "", {}, 12},
    ControlLayout{
        "BitBtn1", "Boring", K::ImageButton, {194, 81, 63, 28}, 2, "", "SI単位系に変換します"},
    ControlLayout{
        "BitBtn2", "Boring", K::ImageButton, {194, 129, 63, 28}, 3, "", "旧単位系に戻します"},
    ControlLayout{"BitBtnBorSet",
                  "Boring",
                  K::PushButton,
                  {181, 224, 89, 28},
                  4,
                  "初期設定(&S)",
                  "初期の単位を変更します"},
    ControlLayout{"FileListBox1", "", K::FileList, {112, 368, 49, 25}, 2, "", "", {}, 12},
    ControlLayout{"StatusBar", "", K::StatusBar, {0, 402, 728, 17}, kNone, ""},
};

constexpr std::array kFormBorSel{
    ControlLayout{"GroupBox1", "", K::Frame, {24, 16, 521, 225}, 1, ""},
    ControlLayout{"GroupBox3", "GroupBox1", K::GroupFrame, {32, 56, 193, 41}, 0, "給圧"},
    ControlLayout{"RadioButton1", "GroupBox3", K::RadioButton, {48, 16, 65, 17}, 0, "kgf/cm2"},
    ControlLayout{"RadioButton2", "GroupBox3", K::RadioButton, {120, 16, 57, 17}, 1, "kN/m2"},
    ControlLayout{"GroupBox2", "GroupBox1", K::GroupFrame, {32, 114, 193, 41}, 1, "送水圧"},
    ControlLayout{"RadioButton3", "GroupBox2", K::RadioButton, {48, 16, 65, 17}, 0, "kgf/cm2"},
    ControlLayout{"RadioButton4", "GroupBox2", K::RadioButton, {120, 16, 57, 17}, 1, "kN/m2"},
    ControlLayout{
        "GroupBox4", "GroupBox1", K::GroupFrame, {248, 24, 241, 73}, 2, "透水試験（ルジオン）"},
    ControlLayout{"Label1", "GroupBox4", K::Label, {32, 24, 36, 12}, kNone, "限界圧"},
    ControlLayout{"Label2", "GroupBox4", K::Label, {32, 48, 36, 12}, kNone, "間隙圧"},
    ControlLayout{"Panel3", "GroupBox4", K::Panel, {80, 14, 145, 25}, 1, ""},
    ControlLayout{"RadioButton5", "Panel3", K::RadioButton, {8, 9, 65, 17}, 0, "kgf/cm2"},
    ControlLayout{"RadioButton6", "Panel3", K::RadioButton, {80, 9, 57, 17}, 1, "kN/m2"},
    ControlLayout{"Panel4", "GroupBox4", K::Panel, {80, 38, 145, 25}, 0, ""},
    ControlLayout{"RadioButton7", "Panel4", K::RadioButton, {8, 8, 65, 17}, 0, "kgf/cm2"},
    ControlLayout{"RadioButton8", "Panel4", K::RadioButton, {80, 8, 57, 17}, 1, "kN/m2"},
    ControlLayout{
        "GroupBox5", "GroupBox1", K::GroupFrame, {248, 112, 241, 73}, 3, "ｽｳｪｰﾃﾞﾝ式ｻｳﾝﾃﾞｨﾝｸﾞ試験"},
    ControlLayout{"Label3", "GroupBox5", K::Label, {32, 24, 24, 12}, kNone, "荷重"},
    ControlLayout{"Label4", "GroupBox5", K::Label, {32, 48, 36, 12}, kNone, "地耐力"},
    ControlLayout{"Panel5", "GroupBox5", K::Panel, {80, 14, 145, 25}, 0, ""},
    ControlLayout{"RadioButton9", "Panel5", K::RadioButton, {8, 8, 65, 17}, 0, "kgf"},
    ControlLayout{"RadioButton10", "Panel5", K::RadioButton, {80, 8, 57, 17}, 1, "kN"},
    ControlLayout{"Panel6", "GroupBox5", K::Panel, {80, 38, 145, 25}, 1, ""},
    ControlLayout{"RadioButton11", "Panel6", K::RadioButton, {8, 8, 65, 17}, 0, "kgf/m2"},
    ControlLayout{"RadioButton12", "Panel6", K::RadioButton, {80, 8, 57, 17}, 1, "kN/m2"},
    ControlLayout{"BitBtnExit", "", K::PushButton, {183, 256, 73, 33}, 0, "実行(&O)"},
    ControlLayout{"BitBtnCancel", "", K::PushButton, {279, 256, 73, 33}, 2, "ｷｬﾝｾﾙ(&C)"},
};

constexpr std::array kFormVersion{
    ControlLayout{
        "Label4", "", K::Label, {72, 20, 151, 15}, kNone, "SI単位変換プログラム", "", kFixed15},
    ControlLayout{"Label1", "", K::Label, {88, 46, 32, 15}, kNone, kMakerName, "", kFixed15},
    ControlLayout{"Label2", "", K::Label, {160, 46, 56, 15}, kNone, kVersionCaption, "", kFixed15},
    ControlLayout{"Label3",
                  "",
                  K::Label,
                  {44, 72, 264, 15},
                  kNone,
                  "地盤調査データの単位変換ツール",
                  "",
                  kFixed15},
    ControlLayout{"Button1", "", K::PushButton, {328, 16, 65, 25}, 0, "&OK"},
};

// Client sizes: the outer sizes less a 4-pixel border and a 23-pixel caption.
const WindowLayout kMainWindow{"mainForm", "SI単位変換", 728, 419, {FontFace::Proportional, 12},
                               kMainForm};
const WindowLayout kSettingsWindow{"FormBorSel", "既存ﾃﾞｰﾀの入力単位の設定",   567,
                                   305,          {FontFace::Proportional, 12}, kFormBorSel};
const WindowLayout kVersionWindow{"FormVersion", "バージョン情報",      432,
                                  108,           {FontFace::Fixed, 13}, kFormVersion};

// Appends the focus takers among parent's children and their children.
void VisitChildren(const WindowLayout& window, std::string_view parent,
                   std::vector<std::string_view>& sequence) {
  std::vector<const ControlLayout*> children;
  for (const ControlLayout& control : window.controls) {
    if (control.parent == parent && control.tabOrder != kNoTabOrder) children.push_back(&control);
  }
  std::ranges::stable_sort(children, {}, &ControlLayout::tabOrder);
  for (const ControlLayout* child : children) {
    if (TakesFocus(child->kind)) sequence.push_back(child->name);
    VisitChildren(window, child->name, sequence);
  }
}

}  // namespace

const WindowLayout& MainFormLayout() {
  return kMainWindow;
}

const WindowLayout& FormBorSelLayout() {
  return kSettingsWindow;
}

const WindowLayout& FormVersionLayout() {
  return kVersionWindow;
}

const ControlLayout& Control(const WindowLayout& window, std::string_view name) {
  for (const ControlLayout& control : window.controls) {
    if (control.name == name) return control;
  }
  throw std::out_of_range(std::string(window.name) + " has no control " + std::string(name));
}

Place PlaceInWindow(const WindowLayout& window, std::string_view name) {
  Place place = Control(window, name).place;
  for (std::string_view parent = Control(window, name).parent; !parent.empty();
       parent = Control(window, parent).parent) {
    place.left += Control(window, parent).place.left;
    place.top += Control(window, parent).place.top;
  }
  return place;
}

bool TakesFocus(ControlKind kind) {
  switch (kind) {
    case K::DriveChooser:
    case K::FolderList:
    case K::FileList:
    case K::Notebook:
    case K::QuantityList:
    case K::ImageButton:
    case K::PushButton:
    case K::RadioButton:
      return true;
    default:
      return false;
  }
}

std::vector<std::string_view> TabSequence(const WindowLayout& window) {
  std::vector<std::string_view> sequence;
  VisitChildren(window, "", sequence);
  return sequence;
}

}  // namespace siconv
