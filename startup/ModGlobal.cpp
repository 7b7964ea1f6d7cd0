#include "startup/ModGlobal.h"

#include "data/DB_Dll.h"
#include "lookup/Lib_ClsCons3.h"
#include "runtime/SharedRuntime.h"

DB_Dll& ModGlobal::DB()
{
    return DB_Dll::Compartido();
}

Lib_ClsCons3& ModGlobal::ClsCons3()
{
    static Lib_ClsCons3 compartido;
    return compartido;
}

SharedRuntime& ModGlobal::Runtime()
{
    static SharedRuntime compartido;
    return compartido;
}
