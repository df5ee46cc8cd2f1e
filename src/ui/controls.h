// Controls as components of a form or dialog: each knows its host and its id, and raises its
// callbacks when the host routes WM_COMMAND / WM_NOTIFY to it. Thin wrappers over SendMessageW.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Control;

// A window that hosts controls by id (dialogs and forms).
class ControlHost {
 public:
  virtual ~ControlHost() = default;
  virtual HWND hostHandle() const = 0;
  void addControl(Control* c);
  void removeControl(Control* c);
  // Routes a WM_COMMAND / WM_NOTIFY to the control with that id; true when one took it.
  bool routeCommand(WPARAM wp, LPARAM lp);
  bool routeNotify(LPARAM lp, LRESULT& result);

 private:
  std::map<int, Control*> controls_;
};

class Control {
 public:
  Control(ControlHost* host, int id);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int id() const { return id_; }
  HWND handle() const;
  std::string text() const;
  void setText(std::string_view text);
  bool enabled() const;
  void setEnabled(bool on);
  bool visible() const;
  void setVisible(bool on);
  void setFocus();
  LRESULT send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;

  // Raised for the control's WM_COMMAND notification codes / WM_NOTIFY messages.
  virtual void command(WORD code) { (void)code; }
  virtual LRESULT notify(NMHDR* hdr) {
    (void)hdr;
    return 0;
  }

 private:
  ControlHost* host_;
  int id_;
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
};

class CheckBox : public Button {
 public:
  using Button::Button;
  bool checked() const;
  void setChecked(bool on);
};

class Edit : public Control {
 public:
  using Control::Control;
  std::function<void()> onChange;
  void command(WORD code) override;
  void setMaxLength(int bytes);
  void selectAll();
};

// A list of text items (combo box or list box), told apart by their messages.
struct ComboBoxMessages {
  static constexpr UINT reset = CB_RESETCONTENT, add = CB_ADDSTRING, count = CB_GETCOUNT, textLength = CB_GETLBTEXTLEN,
                        text = CB_GETLBTEXT, getSelection = CB_GETCURSEL, setSelection = CB_SETCURSEL;
};
struct ListBoxMessages {
  static constexpr UINT reset = LB_RESETCONTENT, add = LB_ADDSTRING, count = LB_GETCOUNT, textLength = LB_GETTEXTLEN,
                        text = LB_GETTEXT, getSelection = LB_GETCURSEL, setSelection = LB_SETCURSEL;
};

std::string itemText(const Control& c, UINT lengthMessage, UINT textMessage, int index);

template <typename Messages>
class ItemList : public Control {
 public:
  using Control::Control;
  std::function<void()> onChange;
  void clear() { send(Messages::reset); }
  int add(std::string_view item);
  int count() const { return static_cast<int>(send(Messages::count)); }
  std::string item(int index) const { return itemText(*this, Messages::textLength, Messages::text, index); }
  int itemIndex() const { return static_cast<int>(send(Messages::getSelection)); }
  void setItemIndex(int index) { send(Messages::setSelection, static_cast<WPARAM>(index)); }
};

class ComboBox : public ItemList<ComboBoxMessages> {
 public:
  using ItemList::ItemList;
  void command(WORD code) override;
};

class ListBox : public ItemList<ListBoxMessages> {
 public:
  using ItemList::ItemList;
  void command(WORD code) override;
};

}  // namespace ui
