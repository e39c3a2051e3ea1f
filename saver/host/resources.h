// Resource identifiers of the saver program.
#pragma once

#define IDS_DESCRIPTION 1
#define IDI_ONDIRA 100
#define IDB_PREVIEW 101
