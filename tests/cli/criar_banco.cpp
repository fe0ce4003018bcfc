// criar_banco FILE SQL: creates FILE (or opens it) and runs the statements in SQL, so the
// command-line cases make their databases without the sqlite3 shell.
#include <sqlite3.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: criar_banco FILE SQL\n", stderr);
        return 2;
    }
    sqlite3* banco = nullptr;
    int r = sqlite3_open_v2(argv[1], &banco, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char* erro = nullptr;
    if (r == SQLITE_OK) r = sqlite3_exec(banco, argv[2], nullptr, nullptr, &erro);
    if (r != SQLITE_OK) {
        std::fprintf(stderr, "criar_banco: %s: %s\n", argv[1], erro ? erro : sqlite3_errmsg(banco));
    }
    sqlite3_free(erro);
    sqlite3_close(banco);
    return r == SQLITE_OK ? 0 : 1;
}
