// An empty program: linking a subsystem's every object into it proves the subsystem needs
// nothing beyond the libraries it declares.
int main() {
    return 0;
}
