/* A DLL with nothing in it but one routine: what the DLL search test places in the folders a
   program must and must not load from. */
__declspec(dllexport) int VelmoDllSearchProbe(void) { return 7; }
