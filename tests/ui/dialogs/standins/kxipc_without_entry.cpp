// A KxIPC.dll that lacks the decorated entry: it exports the function under
// its plain C name only, as a library built the wrong way would.
extern "C" __declspec(dllexport) bool LogQuorvelinEvent(int, const char*, const char*, const char*)
{
    return true;
}
