// The "chamar" operation: one engine function or validator called as host code would call
// it, with every parameter in a variable of its published type, passed by reference.
#include <algorithm>
#include <string_view>
#include <variant>
#include <vector>

#include <pjtcampovivo/formatting/formatar.hpp>
#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include <pjtcampovivo/validation/comuns.hpp>
#include <pjtcampovivo/validation/conversao.hpp>
#include <pjtcampovivo/validation/data_hora.hpp>
#include <pjtcampovivo/validation/inscricao_estadual.hpp>
#include "cli/erro_cli.hpp"
#include "cli/json_saida.hpp"
#include "cli/roteiro_operacoes.hpp"
#include "cli/utf8.hpp"

namespace pjtCampoVivo::cli {

namespace {

enum class Parametro {
    Texto,
    Mascara,
    MaxLength,
    QuantidadeCasasDecimais,
    ENegativo,
    EntradaDe,
    UF
};

std::string_view nome_de(Parametro p) noexcept {
    switch (p) {
        case Parametro::Texto:
            return "Texto";
        case Parametro::Mascara:
            return "Mascara";
        case Parametro::MaxLength:
            return "MaxLength";
        case Parametro::QuantidadeCasasDecimais:
            return "QuantidadeCasasDecimais";
        case Parametro::ENegativo:
            return "ENegativo";
        case Parametro::EntradaDe:
            return "EntradaDe";
        case Parametro::UF:
            return "UF";
    }
    return "";
}

// Script keys are UTF-16, parameter names ASCII.
bool nomeia(std::u16string_view chave, Parametro p) noexcept {
    const std::string_view nome = nome_de(p);
    return std::equal(chave.begin(), chave.end(), nome.begin(), nome.end());
}

// The caller's variables; one left out by the script is 0, or the empty string for the
// strings Texto and UF.
struct Variaveis {
    std::u16string Texto;
    int32_t Mascara = 0;
    int16_t MaxLength = 0;
    int32_t QuantidadeCasasDecimais = 0;
    int32_t ENegativo = 0;
    int32_t EntradaDe = 0;
    std::u16string UF;
};

using Retorno = std::variant<std::u16string, bool>;

struct Funcao {
    std::string_view nome;
    std::vector<Parametro> parametros;  // in signature order
    Retorno (*chamar)(Formatar& f, Variaveis& v);
};

using P = Parametro;

const std::vector<Funcao>& funcoes() {
    static const std::vector<Funcao> tabela{
        {"FormatarTextoEntrada",
         {P::Texto, P::Mascara, P::MaxLength, P::QuantidadeCasasDecimais, P::ENegativo,
          P::EntradaDe},
         [](Formatar& f, Variaveis& v) -> Retorno {
             return f.FormatarTextoEntrada(v.Texto, v.Mascara, v.MaxLength,
                                           v.QuantidadeCasasDecimais, v.ENegativo, v.EntradaDe);
         }},
        {"FormatarTextoSaida",
         {P::Texto, P::Mascara, P::QuantidadeCasasDecimais},
         [](Formatar& f, Variaveis& v) -> Retorno {
             return f.FormatarTextoSaida(v.Texto, v.Mascara, v.QuantidadeCasasDecimais);
         }},
        {"DinheiroTaxa",
         {P::Texto, P::Mascara, P::QuantidadeCasasDecimais, P::ENegativo, P::EntradaDe},
         [](Formatar& f, Variaveis& v) -> Retorno {
             return f.DinheiroTaxa(v.Texto, v.Mascara, v.QuantidadeCasasDecimais, v.ENegativo,
                                   v.EntradaDe);
         }},
        {"Numero",
         {P::Texto, P::Mascara, P::ENegativo, P::EntradaDe},
         [](Formatar& f, Variaveis& v) -> Retorno {
             return f.Numero(v.Texto, v.Mascara, v.ENegativo, v.EntradaDe);
         }},
        {"DdMmAaaa",
         {P::Texto},
         [](Formatar& f, Variaveis& v) -> Retorno { return f.DdMmAaaa(v.Texto); }},
        {"HhMmSs",
         {P::Texto},
         [](Formatar& f, Variaveis& v) -> Retorno { return f.HhMmSs(v.Texto); }},
        {"HhMm", {P::Texto}, [](Formatar& f, Variaveis& v) -> Retorno { return f.HhMm(v.Texto); }},
        {"DdMm", {P::Texto}, [](Formatar& f, Variaveis& v) -> Retorno { return f.DdMm(v.Texto); }},
        {"MmAaaa",
         {P::Texto},
         [](Formatar& f, Variaveis& v) -> Retorno { return f.MmAaaa(v.Texto); }},
        {"Telefone",
         {P::Texto},
         [](Formatar& f, Variaveis& v) -> Retorno { return f.Telefone(v.Texto); }},
        {"Cep", {P::Texto}, [](Formatar& f, Variaveis& v) -> Retorno { return f.Cep(v.Texto); }},
        {"CNPF", {P::Texto}, [](Formatar& f, Variaveis& v) -> Retorno { return f.CNPF(v.Texto); }},
        {"CNPJ", {P::Texto}, [](Formatar& f, Variaveis& v) -> Retorno { return f.CNPJ(v.Texto); }},
        {"InscricaoEstadual",
         {P::Texto},
         [](Formatar& f, Variaveis& v) -> Retorno { return f.InscricaoEstadual(v.Texto); }},
        {"CNPJAlfanumerico",
         {P::Texto},
         [](Formatar& f, Variaveis& v) -> Retorno { return f.CNPJAlfanumerico(v.Texto); }},
        {"TelefoneDDD",
         {P::Texto},
         [](Formatar& f, Variaveis& v) -> Retorno { return f.TelefoneDDD(v.Texto); }},
        {"InscricaoEstadualUF",
         {P::Texto, P::UF},
         [](Formatar& f, Variaveis& v) -> Retorno { return f.InscricaoEstadualUF(v.Texto, v.UF); }},
        {"ExtrairDigitos",
         {P::Texto, P::Mascara, P::ENegativo},
         [](Formatar&, Variaveis& v) -> Retorno {
             return Comuns::ExtrairDigitos(v.Texto, v.Mascara, v.ENegativo);
         }},
        {"CPFValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return Comuns::CPFValido(v.Texto); }},
        {"CNPJValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return Comuns::CNPJValido(v.Texto); }},
        {"CNPJAlfanumericoValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno {
             return Comuns::CNPJAlfanumericoValido(v.Texto);
         }},
        {"TelefoneValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return Comuns::TelefoneValido(v.Texto); }},
        {"VerificarInscricaoEstadual",
         {P::Texto, P::UF},
         [](Formatar&, Variaveis& v) -> Retorno {
             return std::u16string(
                 Comuns::NomeResultado(Comuns::VerificarInscricaoEstadual(v.Texto, v.UF)));
         }},
        {"InscricaoEstadualValida",
         {P::Texto, P::UF},
         [](Formatar&, Variaveis& v) -> Retorno {
             return Comuns::InscricaoEstadualValida(v.Texto, v.UF);
         }},
        {"DiaValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return DataHora::DiaValido(v.Texto); }},
        {"MesValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return DataHora::MesValido(v.Texto); }},
        {"AnoValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return DataHora::AnoValido(v.Texto); }},
        {"AnoBissexto",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return DataHora::AnoBissexto(v.Texto); }},
        {"DdMmValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return DataHora::DdMmValido(v.Texto); }},
        {"MmAaaaValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return DataHora::MmAaaaValido(v.Texto); }},
        {"DdMmAaaaValido",
         {P::Texto},
         [](Formatar&, Variaveis& v) -> Retorno { return DataHora::DdMmAaaaValido(v.Texto); }},
    };
    return tabela;
}

const Funcao& funcao_chamada(const ValorJson& linha) {
    const ValorJson& nome = *linha.membro(u"chamar");
    if (nome.tipo != ValorJson::Tipo::Texto) {
        throw ErroCli("\"chamar\" must be a string, not a " +
                      std::string(nome_tipo_json(nome.tipo)));
    }
    const std::string procurado = utf16_para_utf8(nome.texto);
    for (const auto& f : funcoes()) {
        if (f.nome == procurado) return f;
    }
    throw ErroCli("unknown function " + citar_json(nome.texto));
}

// The script's "args" object (nullptr when left out), checked against the signature: each
// member must name a parameter and have the JSON type of its variable.
const ValorJson* argumentos_dados(const ValorJson& linha, const Funcao& funcao) {
    for (const auto& [chave, valor] : linha.objeto) {
        if (chave != u"chamar" && chave != u"args") {
            throw ErroCli("unexpected member " + citar_json(chave) + " in a chamar line");
        }
    }
    const ValorJson* args = linha.membro(u"args");
    if (!args) return nullptr;
    if (args->tipo != ValorJson::Tipo::Objeto) {
        throw ErroCli("\"args\" must be an object, not a " +
                      std::string(nome_tipo_json(args->tipo)));
    }
    for (const auto& [chave, valor] : args->objeto) {
        const Parametro* parametro = nullptr;
        for (const auto& p : funcao.parametros) {
            if (nomeia(chave, p)) parametro = &p;
        }
        if (!parametro) {
            throw ErroCli(std::string(funcao.nome) + " has no parameter " + citar_json(chave));
        }
        const auto esperado = *parametro == P::Texto || *parametro == P::UF
                                  ? ValorJson::Tipo::Texto
                                  : ValorJson::Tipo::Numero;
        if (valor.tipo != esperado) {
            throw ErroCli("parameter " + citar_json(chave) + " must be a " +
                          std::string(nome_tipo_json(esperado)) + ", not a " +
                          std::string(nome_tipo_json(valor.tipo)));
        }
    }
    return args;
}

// The argument the script gave for p (the last one when a name repeats), or nullptr.
const ValorJson* argumento(const ValorJson* args, Parametro p) {
    if (!args) return nullptr;
    for (auto it = args->objeto.rbegin(); it != args->objeto.rend(); ++it) {
        if (nomeia(it->chave, p)) return &it->valor;
    }
    return nullptr;
}

// Puts each given argument into its variable, a number converted as a host's call converts
// it: to the nearest whole number, halves to even; out of range fails with the overflow error.
void atribuir(Variaveis& v, const Funcao& funcao, const ValorJson* args) {
    for (const Parametro p : funcao.parametros) {
        const ValorJson* dado = argumento(args, p);
        if (!dado) continue;
        switch (p) {
            case P::Texto:
                v.Texto = dado->texto;
                break;
            case P::Mascara:
                v.Mascara = arredondar_para<int32_t>(dado->numero);
                break;
            case P::MaxLength:
                v.MaxLength = arredondar_para<int16_t>(dado->numero);
                break;
            case P::QuantidadeCasasDecimais:
                v.QuantidadeCasasDecimais = arredondar_para<int32_t>(dado->numero);
                break;
            case P::ENegativo:
                v.ENegativo = arredondar_para<int32_t>(dado->numero);
                break;
            case P::EntradaDe:
                v.EntradaDe = arredondar_para<int32_t>(dado->numero);
                break;
            case P::UF:
                v.UF = dado->texto;
                break;
        }
    }
}

void escrever_variavel(EscritorJson& j, const Variaveis& v, Parametro p) {
    switch (p) {
        case P::Texto:
            j.texto(v.Texto);
            break;
        case P::Mascara:
            j.numero(v.Mascara);
            break;
        case P::MaxLength:
            j.numero(v.MaxLength);
            break;
        case P::QuantidadeCasasDecimais:
            j.numero(v.QuantidadeCasasDecimais);
            break;
        case P::ENegativo:
            j.numero(v.ENegativo);
            break;
        case P::EntradaDe:
            j.numero(v.EntradaDe);
            break;
        case P::UF:
            j.texto(v.UF);
            break;
    }
}

// "args" after the call: every parameter in signature order, write-backs included. When
// an argument could not be converted the call was never made, and the arguments are shown
// as the script gave them.
void escrever_args(EscritorJson& j, const Funcao& funcao, const Variaveis& v, const ValorJson* args,
                   bool chamada_feita) {
    j.chave("args").abrir_objeto();
    for (const Parametro p : funcao.parametros) {
        j.chave(nome_de(p));
        const ValorJson* dado = chamada_feita ? nullptr : argumento(args, p);
        if (!dado) {
            escrever_variavel(j, v, p);
        } else if (dado->tipo == ValorJson::Tipo::Texto) {
            j.texto(dado->texto);
        } else {
            j.bruto(dado->literal);
        }
    }
    j.fechar_objeto();
}

std::string valor_json(const Retorno& retorno) {
    std::string json;
    EscritorJson j(json);
    if (const auto* texto = std::get_if<std::u16string>(&retorno)) {
        j.texto(*texto);
    } else {
        j.booleano(std::get<bool>(retorno));
    }
    return json;
}

}  // namespace

void operacao_chamar(const ValorJson& linha, Sessao&, ResultadoLinha& resultado) {
    const Funcao& funcao = funcao_chamada(linha);
    const ValorJson* args = argumentos_dados(linha, funcao);

    Variaveis v;
    bool chamada_feita = false;
    SeparadorInserido = 0;
    try {
        atribuir(v, funcao, args);
        chamada_feita = true;
        Formatar formatar;
        resultado.valor = valor_json(funcao.chamar(formatar, v));
    } catch (const Erro& e) {
        resultado.erro = e;
    }

    EscritorJson j(resultado.complemento);
    escrever_args(j, funcao, v, args, chamada_feita);
    j.chave("SeparadorInserido").numero(SeparadorInserido);
}

}  // namespace pjtCampoVivo::cli
