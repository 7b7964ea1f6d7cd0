#include "startup/ModGlobal.h"

#include "data/DB_Dll.h"
#include "runtime/SharedRuntime.h"

DB_Dll& ModGlobal::DB()
{
    return DB_Dll::Compartido();
}

SharedRuntime& ModGlobal::Runtime()
{
    static SharedRuntime compartido;
    return compartido;
}
