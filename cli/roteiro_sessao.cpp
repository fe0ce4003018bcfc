#include "cli/roteiro_sessao.hpp"

#include <utility>

#include "cli/roteiro_argumentos.hpp"
#include "formatting/separador_inserido.hpp"

namespace pjtCampoVivo::cli {

namespace {

// The host gives the control this extent when it sizes it; the height is the combo box's
// natural one, which the control would take anyway.
constexpr int32_t LarguraInicial = 3000;
constexpr int32_t AlturaInicial = 315;

template <typename... Args>
void disparar(std::function<void(Args&...)>& armado, Args&... args) {
    auto acao = std::exchange(armado, nullptr);
    if (acao) acao(args...);
}

void escrever_caixa(EscritorJson& j, const headless::CaixaHeadlessBase& caixa) {
    j.chave("texto").texto(caixa.texto());
    j.chave("selStart").numero(caixa.inicio_selecao());
    j.chave("selLength").numero(caixa.tamanho_selecao());
    j.chave("foreColor").numero(caixa.cor_texto());
    j.chave("backColor").numero(caixa.cor_fundo());
    j.chave("visivel").booleano(caixa.visivel());
    j.chave("habilitado").booleano(caixa.habilitada());
    j.chave("dica").texto(caixa.dica());
}

void escrever_campo(EscritorJson& j, const CampoVivo::Estado& e,
                    const headless::HospedeiroHeadless& hospedeiro) {
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
    j.chave("altura").numero(hospedeiro.altura());
    j.chave("largura").numero(hospedeiro.largura());
    j.fechar_objeto();
}

}  // namespace

SessaoControle::SessaoControle() : campo(form.txtCombo, form.cboCombo, form.tela, form.hospedeiro) {
    campo.InitProperties();
    form.hospedeiro.ao_redimensionar = [this] { campo.Resize(); };
    form.hospedeiro.redimensionar(LarguraInicial, AlturaInicial);

    auto& tratadores = form.hospedeiro.tratadores;
    tratadores.KeyPress = [this](int16_t& KeyAscii) { disparar(armado_KeyPress, KeyAscii); };
    tratadores.FimItensLista = [this](std::u16string& TextoProcurado) {
        disparar(armado_FimItensLista, TextoProcurado);
    };
    tratadores.Change = [this] { disparar(armado_Change); };
}

void SessaoControle::limpar_registros() {
    form.hospedeiro.eventos.clear();
    form.hospedeiro.avisos.clear();
    form.tela.mensagens.clear();
    form.tela.injetadas.clear();
}

void SessaoControle::relatar(ResultadoLinha& resultado) const {
    resultado.eventos = form.hospedeiro.eventos;
    resultado.avisos = form.hospedeiro.avisos;
    for (const auto& m : form.tela.mensagens) {
        resultado.mensagens.push_back({m.prompt, m.codigo, m.titulo});
    }
    resultado.injetadas = form.tela.injetadas;

    EscritorJson j(resultado.complemento);
    j.chave("estado").abrir_objeto();
    j.chave("foco").texto(form.foco_no_campo() ? u"campo" : u"proximo");
    j.chave("txtCombo").abrir_objeto();
    escrever_caixa(j, form.txtCombo);
    j.chave("alinhamento").numero(form.txtCombo.alinhamento());
    j.fechar_objeto();
    j.chave("cboCombo").abrir_objeto();
    escrever_caixa(j, form.cboCombo);
    j.chave("lista").abrir_lista();
    for (const auto& entrada : form.cboCombo.lista()) j.texto(entrada);
    j.fechar_lista();
    j.chave("listIndex").numero(form.cboCombo.indice());
    j.fechar_objeto();
    escrever_campo(j.chave("campo"), campo.estado(), form.hospedeiro);
    j.fechar_objeto();
}

Sessao::Sessao() : controle(std::make_unique<SessaoControle>()) {}
Sessao::~Sessao() = default;

}  // namespace pjtCampoVivo::cli
