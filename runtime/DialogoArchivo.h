#pragma once

// The class of DB_Dll's file dialog member; nothing calls its operations, so it has none.
class DialogoArchivo { };
