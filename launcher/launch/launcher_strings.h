// Identifiers of the launcher's string table (texts in launcher/tessal.rc).
#pragma once

#define IDS_PRODUCT_NAME 1
#define IDS_START_FAILED 2
#define IDS_NO_RUNTIME 3
#define IDS_NO_RUNTIME_HOME 4
#define IDS_NO_JAVAW 5
#define IDS_NO_ARCHIVE 6
