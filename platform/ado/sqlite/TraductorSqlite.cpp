#include "platform/ado/sqlite/TraductorSqlite.h"
