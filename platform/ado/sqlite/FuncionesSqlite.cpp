#include "platform/ado/sqlite/FuncionesSqlite.h"
