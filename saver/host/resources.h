// Resource identifiers of the saver program.
#pragma once

#define IDS_DESCRIPTION 1
#define IDI_ONDIRA 100
#define IDB_PREVIEW 101
// The settings dialog's option marks: not selected and selected.
#define IDB_MARK_OFF 102
#define IDB_MARK_ON 103
