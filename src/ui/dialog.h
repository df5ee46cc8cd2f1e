// A form laid out by a dialog template in the program's resources. showModal() runs its own
// message loop (the application-wide hook still sees every message), disables the owner and the
// program's other windows while it runs (ModalScope) and answers the modal result; create() makes it modeless. Its
// controls (from the template or created in code) are routed by id before handleMessage() sees a message; no exception
// leaves the dialog procedure.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/controls.h"

namespace ui {

class Dialog : public ControlHost {
 public:
  Dialog(HWND owner, int templateId);
  ~Dialog() override;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  HWND handle() const { return hwnd_; }
  HWND hostHandle() const override { return hwnd_; }

  int showModal();
  bool create();
  bool modal() const { return modal_; }
  // Ends the dialog with this result (IDOK, IDCANCEL, ...), unless onCloseQuery refuses.
  void close(int result);
  int modalResult() const { return result_; }

  void setCaption(std::string_view text);
  // Gives the client area an exact size in pixels, whatever the template's dialog units come to;
  // the window's top-left corner stays.
  void setClientSize(int width, int height);
  std::string caption() const;

  std::function<void()> onCreate;      // controls exist, window not yet shown
  std::function<void()> onShow;        // first time the dialog becomes visible
  std::function<bool()> onCloseQuery;  // false keeps the dialog open
  std::function<void()> onClose;       // about to end
  std::function<void()> onDestroy;

 protected:
  // Creates the dialog from a WS_CHILD template inside parent (a page), not as a top-level dialog.
  bool createChild(HWND parent);
  // Messages not handled by the controls; return true with result set when handled.
  virtual bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result);

 private:
  static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR dispatch(UINT msg, WPARAM wp, LPARAM lp);
  // A command that ends the dialog with its own OK or Cancel rather than a control's handler.
  bool endsDialog(UINT msg, WPARAM wp) const;
  HWND owner_;
  int templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  bool shown_ = false;
  int result_ = 0;
};

}  // namespace ui
