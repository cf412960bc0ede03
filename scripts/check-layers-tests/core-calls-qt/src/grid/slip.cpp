void qtCoreFunction();

int gridSlip() {
  qtCoreFunction();
  return 0;
}
