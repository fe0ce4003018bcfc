#include "cli/roteiro_sessao.hpp"

#include <utility>

#include <pjtcampovivo/formatting/separador_inserido.hpp>
#include "cli/roteiro_argumentos.hpp"

namespace pjtCampoVivo::cli {

namespace {

template <typename... Args>
void disparar(std::function<void(Args&...)>& armado, Args&... args) {
    auto acao = std::exchange(armado, nullptr);
    if (acao) acao(args...);
}

void escrever_caixa(EscritorJson& j, const EstadoCaixa& caixa) {
    j.chave("texto").texto(caixa.texto);
    j.chave("selStart").numero(caixa.sel_inicio);
    j.chave("selLength").numero(caixa.sel_tamanho);
    j.chave("foreColor").numero(caixa.frente);
    j.chave("backColor").numero(caixa.fundo);
    j.chave("visivel").booleano(caixa.visivel);
    j.chave("habilitado").booleano(caixa.habilitada);
    j.chave("dica").texto(caixa.dica);
}

void escrever_campo(EscritorJson& j, const CampoVivo::Estado& e, const Palco& palco) {
    j.abrir_objeto();
    j.chave("Estilo").numero(e.Estilo);
    j.chave("Mascara").numero(e.Mascara);
    j.chave("QuantidadeCasasDecimais").numero(e.QuantidadeCasasDecimais);
    j.chave("CapsLockMixed").numero(e.CapsLockMixed);
    j.chave("CaracteresASeremRetiradosTexto").texto(e.CaracteresASeremRetiradosTexto);
    j.chave("MaxLength").numero(e.MaxLength);
    j.chave("QtdMaxRegRetornadosPesqLookUp").bruto(numero_json(e.QtdMaxRegRetornadosPesqLookUp));
    j.chave("FazerConsistenciaBasica").numero(e.FazerConsistenciaBasica);
    j.chave("itemData").abrir_lista();
    for (const auto& item : e.itemData) j.texto(item);
    j.fechar_lista();
    j.chave("lngListIndex").numero(e.lngListIndex);
    j.chave("lngEntradaDe").numero(e.lngEntradaDe);
    j.chave("blnBackspace").numero(e.blnBackspace);
    j.chave("blnEscrevendo").booleano(e.blnEscrevendo);
    j.chave("lngSelStartAnterior").numero(e.lngSelStartAnterior);
    j.chave("SeparadorInserido").numero(SeparadorInserido);
    j.chave("altura").numero(palco.altura());
    j.chave("largura").numero(palco.largura());
    j.fechar_objeto();
}

}  // namespace

SessaoControle::SessaoControle(std::unique_ptr<Palco> p)
    : palco(std::move(p)), campo(palco->campo()) {
    auto& t = palco->tratadores;
    t.KeyPress = [this](int16_t& KeyAscii) { disparar(armado_KeyPress, KeyAscii); };
    t.FimItensLista = [this](std::u16string& TextoProcurado) {
        disparar(armado_FimItensLista, TextoProcurado);
    };
    t.Change = [this] { disparar(armado_Change); };
}

void SessaoControle::limpar_registros() {
    palco->limpar_registros();
}

void SessaoControle::relatar(ResultadoLinha& resultado) const {
    Registros r = palco->registros();
    resultado.eventos = std::move(r.eventos);
    resultado.avisos = std::move(r.avisos);
    resultado.mensagens = std::move(r.mensagens);
    resultado.injetadas = std::move(r.injetadas);

    const EstadoCaixas caixas = palco->caixas();
    EscritorJson j(resultado.complemento);
    j.chave("estado").abrir_objeto();
    j.chave("foco").texto(palco->foco_no_campo() ? u"campo" : u"proximo");
    j.chave("txtCombo").abrir_objeto();
    escrever_caixa(j, caixas.texto);
    j.chave("alinhamento").numero(caixas.alinhamento);
    j.fechar_objeto();
    j.chave("cboCombo").abrir_objeto();
    escrever_caixa(j, caixas.combo);
    j.chave("lista").abrir_lista();
    for (const auto& entrada : caixas.lista) j.texto(entrada);
    j.fechar_lista();
    j.chave("listIndex").numero(caixas.indice);
    j.fechar_objeto();
    escrever_campo(j.chave("campo"), campo.estado(), *palco);
    j.fechar_objeto();
}

Sessao::Sessao(FabricaPalco f, AbrirBanco b)
    : fabrica(std::move(f)),
      abrir_banco(std::move(b)),
      controle(std::make_unique<SessaoControle>(fabrica())) {}
Sessao::~Sessao() = default;

}  // namespace pjtCampoVivo::cli
