// A KxIPC.dll that lacks the decorated entry: it exports the function under
// its plain C name only, as a library built the wrong way would. Its single
// export also makes it a library without export 14 for the help viewer tests.
extern "C" __declspec(dllexport) bool LogQuorvelinEvent(int, const char*, const char*, const char*)
{
    return true;
}
