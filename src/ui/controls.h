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

class ComboBox : public Control {
 public:
  using Control::Control;
  std::function<void()> onChange;
  void command(WORD code) override;
  void clear();
  int add(std::string_view item);
  int count() const;
  std::string item(int index) const;
  int itemIndex() const;
  void setItemIndex(int index);
};

class ListBox : public Control {
 public:
  using Control::Control;
  std::function<void()> onChange;
  void command(WORD code) override;
  void clear();
  int add(std::string_view item);
  int count() const;
  std::string item(int index) const;
  int itemIndex() const;
  void setItemIndex(int index);
};

}  // namespace ui
