# Run after Zelbrant.exe is linked: fails the build when the program imports
# a DLL that Windows may take from the program's own folder. Allowed are the
# DLLs Windows always loads from the system (its KnownDLLs) and comctl32,
# which the manifest binds. Others are loaded at run time from the system
# folder. Needs OBJDUMP and PROGRAM.
set(allowed advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll shell32.dll shlwapi.dll user32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
string(REGEX MATCHALL "DLL Name: [^\n]+" entries "${dump}")
if(status OR NOT entries)
    message(FATAL_ERROR "The import table of ${PROGRAM} could not be read.")
endif()
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "DLL Name: " "" dll "${entry}")
    string(TOLOWER "${dll}" dll)
    list(FIND allowed ${dll} found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${PROGRAM} imports ${dll}, which Windows may load from the program's folder: "
                            "load it at run time from the system folder instead.")
    endif()
endforeach()
