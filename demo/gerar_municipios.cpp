// gerar_municipios: turns the municipality list (TSV: codigo_ibge, nome, uf) into the SQLite
// database the demo's city lookup reads. Besides code, name and state, each row keeps the
// entry as the list shows it ("São Paulo - SP") case-folded, for prefix searches that ignore
// letter case, and its rank in Brazilian Portuguese collation order, so "Água Boa" sorts
// among the A's and not after "Zortéa" as a byte order would put it.
//
//   gerar_municipios municipios.tsv municipios.db
//
// The database is written beside the target and renamed over it only once complete.
#include <sqlite3.h>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include <pjtcampovivo/toolkit/letras.hpp>

namespace {

struct Municipio {
    int64_t codigo;
    std::string nome;  // UTF-8
    std::string uf;
    std::string busca;  // UTF-8 of the folded "Nome - UF"
    int64_t ordem = 0;
};

class Falha : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::u16string para_utf16(const std::string& utf8) {
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(utf8);
    return std::u16string(u.getBuffer(), static_cast<std::size_t>(u.length()));
}

std::string para_utf8(const std::u16string& texto) {
    std::string saida;
    icu::UnicodeString(texto.data(), static_cast<int32_t>(texto.size())).toUTF8String(saida);
    return saida;
}

std::vector<std::string> separar(const std::string& linha) {
    std::vector<std::string> campos;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t tab = linha.find('\t', inicio);
        campos.push_back(linha.substr(inicio, tab - inicio));
        if (tab == std::string::npos) break;
        inicio = tab + 1;
    }
    return campos;
}

bool so_digitos(const std::string& s, std::size_t tamanho) {
    return s.size() == tamanho &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<Municipio> ler_tsv(const std::string& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    if (!entrada) throw Falha(caminho + ": cannot open");
    std::vector<Municipio> municipios;
    std::string linha;
    int numero = 0;
    while (std::getline(entrada, linha)) {
        ++numero;
        if (!linha.empty() && linha.back() == '\r') linha.pop_back();
        const std::string onde = caminho + ":" + std::to_string(numero) + ": ";
        const std::vector<std::string> campos = separar(linha);
        if (numero == 1) {
            if (campos != std::vector<std::string>{"codigo_ibge", "nome", "uf"}) {
                throw Falha(onde + "expected the header codigo_ibge, nome, uf");
            }
            continue;
        }
        if (linha.empty()) continue;
        if (campos.size() != 3) throw Falha(onde + "expected three tab-separated fields");
        if (!so_digitos(campos[0], 7)) throw Falha(onde + "expected a 7-digit IBGE code");
        if (campos[1].empty()) throw Falha(onde + "empty name");
        if (campos[2].size() != 2) throw Falha(onde + "expected a two-letter state");
        if (icu::UnicodeString::fromUTF8(campos[1]).indexOf(static_cast<UChar>(0xFFFD)) >= 0) {
            throw Falha(onde + "the name is not valid UTF-8");
        }
        Municipio m{std::stoll(campos[0]), campos[1], campos[2], {}, 0};
        m.busca = para_utf8(pjtCampoVivo::letras::dobrar(para_utf16(m.nome + " - " + m.uf)));
        municipios.push_back(std::move(m));
    }
    if (municipios.empty()) throw Falha(caminho + ": no municipalities");
    return municipios;
}

// Ranks the entries in Brazilian Portuguese collation order; equal entries keep file order.
void ordenar(std::vector<Municipio>& municipios) {
    UErrorCode erro = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> colador(
        icu::Collator::createInstance(icu::Locale("pt", "BR"), erro));
    if (U_FAILURE(erro)) throw Falha(std::string("ICU collator: ") + u_errorName(erro));
    std::vector<icu::UnicodeString> entradas;
    entradas.reserve(municipios.size());
    for (const Municipio& m : municipios) {
        entradas.push_back(icu::UnicodeString::fromUTF8(m.nome + " - " + m.uf));
    }
    std::vector<std::size_t> indices(municipios.size());
    std::iota(indices.begin(), indices.end(), std::size_t{0});
    std::stable_sort(indices.begin(), indices.end(), [&](std::size_t a, std::size_t b) {
        UErrorCode e = U_ZERO_ERROR;
        return colador->compare(entradas[a], entradas[b], e) == UCOL_LESS;
    });
    for (std::size_t posicao = 0; posicao < indices.size(); ++posicao) {
        municipios[indices[posicao]].ordem = static_cast<int64_t>(posicao);
    }
}

struct FecharBanco {
    void operator()(sqlite3* banco) const noexcept { sqlite3_close(banco); }
};
struct FinalizarComando {
    void operator()(sqlite3_stmt* comando) const noexcept { sqlite3_finalize(comando); }
};

void verificar(sqlite3* banco, int codigo, const std::string& oque) {
    if (codigo != SQLITE_OK && codigo != SQLITE_DONE) {
        throw Falha(oque + ": " + sqlite3_errmsg(banco));
    }
}

void gravar(const std::string& caminho, const std::vector<Municipio>& municipios) {
    std::remove(caminho.c_str());
    sqlite3* aberto = nullptr;
    const int r = sqlite3_open_v2(caminho.c_str(), &aberto,
                                  SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, FecharBanco> banco(aberto);
    verificar(banco.get(), r, caminho);
    verificar(banco.get(),
              sqlite3_exec(banco.get(),
                           "CREATE TABLE municipios(codigo INTEGER PRIMARY KEY, nome TEXT NOT "
                           "NULL, uf TEXT NOT NULL, busca TEXT NOT NULL, ordem INTEGER NOT NULL);"
                           "CREATE INDEX municipios_ordem ON municipios(ordem);"
                           "BEGIN;",
                           nullptr, nullptr, nullptr),
              caminho);
    sqlite3_stmt* preparado = nullptr;
    verificar(banco.get(),
              sqlite3_prepare_v2(banco.get(), "INSERT INTO municipios VALUES (?, ?, ?, ?, ?)", -1,
                                 &preparado, nullptr),
              caminho);
    std::unique_ptr<sqlite3_stmt, FinalizarComando> inserir(preparado);
    for (const Municipio& m : municipios) {
        sqlite3_bind_int64(inserir.get(), 1, m.codigo);
        sqlite3_bind_text(inserir.get(), 2, m.nome.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(inserir.get(), 3, m.uf.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(inserir.get(), 4, m.busca.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_int64(inserir.get(), 5, m.ordem);
        verificar(banco.get(), sqlite3_step(inserir.get()),
                  caminho + ": municipality " + std::to_string(m.codigo));
        sqlite3_reset(inserir.get());
    }
    inserir.reset();
    verificar(banco.get(), sqlite3_exec(banco.get(), "COMMIT;", nullptr, nullptr, nullptr),
              caminho);
    verificar(banco.get(), sqlite3_close(banco.release()), caminho);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gerar_municipios MUNICIPIOS.tsv SAIDA.db\n";
        return 2;
    }
    const std::string destino = argv[2];
    const std::string provisorio = destino + ".tmp";
    try {
        std::vector<Municipio> municipios = ler_tsv(argv[1]);
        ordenar(municipios);
        gravar(provisorio, municipios);
        if (std::rename(provisorio.c_str(), destino.c_str()) != 0) {
            throw Falha(destino + ": cannot replace");
        }
        std::cout << "gerar_municipios: " << municipios.size() << " municipalities in " << destino
                  << "\n";
    } catch (const std::exception& e) {
        std::remove(provisorio.c_str());
        std::cerr << "gerar_municipios: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
