// Placeholder: the driver lands with the rules engine, part 1.
int main() { return 0; }
