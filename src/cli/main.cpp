#include <cstdio>
int main() { std::puts("quenk-cli"); return 0; }
