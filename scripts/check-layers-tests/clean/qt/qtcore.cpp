// Stands in for a Qt library: one symbol the core must not call.
void qtCoreFunction() {}
