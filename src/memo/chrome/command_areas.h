// The areas of the memo window's commands, in the order they bind. Each area defines
// TfrmMain::bind<Area>Commands() in its own file (e.g. memo/app/main_form_find.cpp for Find);
// a new area is one line here. Included where MEMO_COMMAND_AREA is defined, hence no guard.
MEMO_COMMAND_AREA(Document)
MEMO_COMMAND_AREA(Tab)
MEMO_COMMAND_AREA(Format)
MEMO_COMMAND_AREA(Editing)
MEMO_COMMAND_AREA(Settings)
MEMO_COMMAND_AREA(Help)
MEMO_COMMAND_AREA(Link)
MEMO_COMMAND_AREA(Find)
MEMO_COMMAND_AREA(Insert)
MEMO_COMMAND_AREA(Status)
MEMO_COMMAND_AREA(ClockLink)
MEMO_COMMAND_AREA(Config)
