// Controls as components of a form or dialog: each knows its host and its id, and raises its
// callbacks when the host routes WM_COMMAND / WM_NOTIFY / WM_HSCROLL / WM_VSCROLL / WM_CONTEXTMENU
// to it by id. A control either comes from the host's dialog template (found by its id) or is
// created in code with create(); both are routed the same way. Thin wrappers over SendMessageW.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Control;

// A window's text as CP932 (empty for no window), and setting it (nothing for no window): the
// one way captions, titles and control texts cross to the system.
std::string windowText(HWND hwnd);
void setWindowText(HWND hwnd, std::string_view text);

// A window that hosts controls by id: forms, dialogs and the pages of a page host.
class ControlHost {
 public:
  virtual ~ControlHost() = default;
  virtual HWND hostHandle() const = 0;
  void addControl(Control* c);
  void removeControl(Control* c);
  Control* control(int id) const;

  // Routes one message of a control (WM_COMMAND with a control handle, WM_NOTIFY, WM_HSCROLL /
  // WM_VSCROLL from a control, WM_CONTEXTMENU from a child) to the control with that id; true
  // with result set when one took it. Forms and dialogs call it before their own handlers.
  bool route(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  bool routeCommand(WPARAM wp, LPARAM lp);
  bool routeNotify(LPARAM lp, LRESULT& result);

 protected:
  // The host's window exists and its template controls with it: each control learns it.
  void hostCreated();

 private:
  std::map<int, Control*> controls_;
};

// What a control created in code needs. Position and size in the parent's client pixels.
struct ControlArgs {
  int x = 0, y = 0, width = 0, height = 0;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;  // the wrapper adds what its kind requires
  DWORD exStyle = 0;
  std::string text;                    // CP932
  HWND parent = nullptr;               // nullptr: the host; else e.g. a tool bar that forwards to the host
  const wchar_t* className = nullptr;  // nullptr: the wrapper's own class
  HFONT font = nullptr;                // nullptr: the font of the host window
};

class Control {
 public:
  Control(ControlHost* host, int id);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Creates the control as a child window with this id (the host must exist).
  bool create(const ControlArgs& args);
  // Takes a window made elsewhere as this control (it keeps its own id for routing).
  void attach(HWND hwnd);

  int id() const { return id_; }
  ControlHost* host() const { return host_; }
  HWND handle() const;
  std::string text() const;
  void setText(std::string_view text);
  bool enabled() const;
  void setEnabled(bool on);
  bool visible() const;
  void setVisible(bool on);
  void setFocus();
  void setFont(HFONT font);
  void setBounds(int x, int y, int width, int height);  // in the parent's client pixels
  LRESULT send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;

  // Raw callbacks for what the wrapper does not turn into its own callbacks.
  std::function<void(WORD code)> onCommand;
  std::function<LRESULT(NMHDR& hdr)> onNotify;
  // Right click or the menu key on the control; screen point, (-1, -1) from the keyboard.
  std::function<void(POINT screen)> onContextMenu;

  // Called by the host's routing; wrappers override and pass on what they do not handle.
  virtual void command(WORD code);
  virtual LRESULT notify(NMHDR& hdr);
  virtual void scroll(WORD code);
  // The control's window exists now (template: at the host's creation; code: after create()).
  virtual void attached() {}

 protected:
  virtual const wchar_t* className() const { return WC_STATICW; }
  virtual DWORD requiredStyle() const { return 0; }

 private:
  ControlHost* host_;
  int id_;
  HWND hwnd_ = nullptr;  // created in code or attached; template controls are found by id
};

class Label : public Control {
 public:
  using Control::Control;
};

class Button : public Control {
 public:
  using Control::Control;
  std::function<void()> onClick;
  void click();
  void command(WORD code) override;

 protected:
  const wchar_t* className() const override { return WC_BUTTONW; }
};

class CheckBox : public Button {
 public:
  using Button::Button;
  bool checked() const;
  void setChecked(bool on);

 protected:
  DWORD requiredStyle() const override { return BS_AUTOCHECKBOX; }
};

class RadioButton : public CheckBox {
 public:
  using CheckBox::CheckBox;

 protected:
  DWORD requiredStyle() const override { return BS_AUTORADIOBUTTON; }
};

class Edit : public Control {
 public:
  using Control::Control;
  std::function<void()> onChange;
  void command(WORD code) override;
  void setMaxLength(int bytes);
  void selectAll();
  int number() const;  // the text as a decimal integer, 0 when it is none
  void setNumber(int value);

 protected:
  const wchar_t* className() const override { return WC_EDITW; }
};

// A list of text items (combo box or list box), told apart by their messages.
struct ComboBoxMessages {
  static constexpr UINT reset = CB_RESETCONTENT, add = CB_ADDSTRING, insert = CB_INSERTSTRING, remove = CB_DELETESTRING,
                        count = CB_GETCOUNT, textLength = CB_GETLBTEXTLEN, text = CB_GETLBTEXT,
                        getSelection = CB_GETCURSEL, setSelection = CB_SETCURSEL, findExact = CB_FINDSTRINGEXACT,
                        getData = CB_GETITEMDATA, setData = CB_SETITEMDATA;
};
struct ListBoxMessages {
  static constexpr UINT reset = LB_RESETCONTENT, add = LB_ADDSTRING, insert = LB_INSERTSTRING, remove = LB_DELETESTRING,
                        count = LB_GETCOUNT, textLength = LB_GETTEXTLEN, text = LB_GETTEXT, getSelection = LB_GETCURSEL,
                        setSelection = LB_SETCURSEL, findExact = LB_FINDSTRINGEXACT, getData = LB_GETITEMDATA,
                        setData = LB_SETITEMDATA;
};

std::string itemText(const Control& c, UINT lengthMessage, UINT textMessage, int index);

// An item's fields through a control's get message (LVM_GETITEMW, TVM_GETITEMW ...): item says
// which item and which fields; nullopt when the control has no such item.
template <typename Item>
std::optional<Item> queryItem(const Control& c, UINT message, Item item) {
  if (!c.send(message, 0, reinterpret_cast<LPARAM>(&item))) return std::nullopt;
  return item;
}

template <typename Messages>
class ItemList : public Control {
 public:
  using Control::Control;
  std::function<void()> onChange;
  void clear() { send(Messages::reset); }
  int add(std::string_view item);
  int insert(int index, std::string_view item);  // index -1: at the end
  void remove(int index) { send(Messages::remove, static_cast<WPARAM>(index)); }
  // Replaces the text of an item, keeping its data.
  void setItem(int index, std::string_view item);
  int count() const { return static_cast<int>(send(Messages::count)); }
  std::string item(int index) const { return itemText(*this, Messages::textLength, Messages::text, index); }
  std::vector<std::string> items() const;
  int indexOf(std::string_view item) const;  // exact, ignoring case as the control does; -1 when none
  LPARAM itemData(int index) const { return send(Messages::getData, static_cast<WPARAM>(index)); }
  void setItemData(int index, LPARAM data) { send(Messages::setData, static_cast<WPARAM>(index), data); }
  int itemIndex() const { return static_cast<int>(send(Messages::getSelection)); }
  void setItemIndex(int index) { send(Messages::setSelection, static_cast<WPARAM>(index)); }
};

class ComboBox : public ItemList<ComboBoxMessages> {
 public:
  using ItemList::ItemList;
  // onChange: the selection changed or the edit part was typed in.
  std::function<void()> onDropDown;
  std::function<void()> onCloseUp;
  void command(WORD code) override;
  void setMaxLength(int bytes) { send(CB_LIMITTEXT, static_cast<WPARAM>(bytes)); }

 protected:
  const wchar_t* className() const override { return WC_COMBOBOXW; }
};

class ListBox : public ItemList<ListBoxMessages> {
 public:
  using ItemList::ItemList;
  std::function<void()> onDoubleClick;
  void command(WORD code) override;
  // The item under a point in client pixels; -1 when none.
  int itemAt(POINT client) const;
  int topIndex() const { return static_cast<int>(send(LB_GETTOPINDEX)); }
  RECT itemRect(int index) const;

 protected:
  const wchar_t* className() const override { return WC_LISTBOXW; }
  DWORD requiredStyle() const override { return LBS_NOTIFY; }
};

}  // namespace ui
