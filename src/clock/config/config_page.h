// One page of the settings dialog: a child dialog template of its own shown under its tab, and a
// class behind the small interface the dialog drives. The dialog loads every page of its open
// mode step by step, writes the flagged ones back step by step, and asks each page at OK whether
// it holds an edit group that is still open (IPendingEdit: the launcher and alarm pages answer).
#pragma once

#include <cstdint>
#include <string>

#include "clock/settings/clock_settings.h"
#include "clock/config/config_rules.h"
#include "clock/config/pending_edit.h"
#include "ui/page_host.h"

namespace tockle {

class ConfigHost;
class TfrmConfig;

class TConfigPage : public ui::Page, public IPendingEdit {
 public:
  // Adds the page to the dialog's page control under its tab caption; pages are declared in tab
  // order, so the page index is the tab index.
  TConfigPage(TfrmConfig& config, int tab, int templateId);

  TfrmConfig& Config;
  const int Tab;

  // Fills the page's controls for one load step (the dialog calls every page for every step of
  // its open mode, in the order of loadSteps). Flags that the controls' change events set while
  // loading are cleared by the dialog afterwards.
  virtual void Load(ConfigStep step) { (void)step; }
  // Writes the page back for one step of the apply procedure (the dialog calls every page for
  // every step that runs, in the order of applySteps). False when it failed: the page has told
  // the user in a box; the dialog stops applying and stays open.
  virtual bool Save(ConfigStep step) {
    (void)step;
    return true;
  }

 protected:
  bool handleMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;
  // The dialog's copy of the settings the page loads from and saves into, and the dialog's host.
  TClockSettings& Settings() const;
  ConfigHost& Host() const;
  // Marks this page's data as changed (a ChangedPage flag); Apply becomes enabled.
  void SetChanged(uint8_t flag) const;
};

}  // namespace tockle
