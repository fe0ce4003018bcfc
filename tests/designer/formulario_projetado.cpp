#include "tests/designer/formulario_projetado.hpp"

#include <QWidget>
#include <stdexcept>
#include <string>

#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>

namespace pjtCampoVivo::teste_designer {

using qt::CampoVivoWidget;

namespace {

template <typename E>
QVariant e(E valor) {
    return QVariant::fromValue(valor);
}

constexpr int largura_campo = 200;
constexpr int passo = 32;

}  // namespace

const std::vector<CampoProjetado>& campos_projetados() {
    using W = CampoVivoWidget;
    static const std::vector<CampoProjetado> campos{
        // Characters that XML escapes, in a string for translators and in one that is not.
        {"cpf",
         {{"Mascara", e(W::CNPF)},
          {"CaracteresASeremRetiradosTexto", QStringLiteral("<&\"'>")},
          {"ToolTipText", QStringLiteral("CPF do titular <não do \"cônjuge\"> & só números")}}},
        // The alphanumeric CNPJ, aligned after the mask, disabled.
        {"cnpj",
         {{"Mascara", e(W::CNPJ)},
          {"CNPJAlfanumerico", e(W::sim)},
          {"Alinhamento", e(W::Direita)},
          {"Enabled", false}}},
        // Decimals, MaxLength and alignment chosen after the mask set its own.
        {"valor",
         {{"Mascara", e(W::DinheiroTaxa)},
          {"QuantidadeCasasDecimais", e(W::Tres)},
          {"MaxLength", 12},
          {"Alinhamento", e(W::Centralizado)}}},
        {"nascimento",
         {{"Mascara", e(W::DdMmAaaa)},
          {"FazerConsistenciaBasica", 1},
          {"ToolTipText", QStringLiteral("Data de nascimento (dd/mm/aaaa)")}}},
        // MaxLength chosen after the mask (campo_maxlength_depois_da_mascara).
        {"telefone", {{"Mascara", e(W::Telefone)}, {"MaxLength", 9}}},
        // With the area code the mask's MaxLength is 15.
        {"celular", {{"Mascara", e(W::Telefone)}, {"TelefoneDDD", e(W::sim)}}},
        // A unit's code is a string Designer must not offer for translation.
        {"inscricao", {{"Mascara", e(W::InscricaoEstadual)}, {"UF", QStringLiteral("SP")}}},
        // MaxLength chosen before the mask: the mask resets it, and the file holds the mask's.
        {"cep", {{"MaxLength", 5}, {"Mascara", e(W::Cep)}}},
        // The combo box styles.
        {"nome",
         {{"Estilo", e(W::ComboBoxLookUpComDigAdicional)},
          {"MaxLength", 40},
          {"CapsLockMixed", e(W::UpperCase)},
          {"CaracteresASeremRetiradosTexto", QStringLiteral("%*&")},
          {"QtdMaxRegRetornadosPesqLookUp", 250.0}}},
        {"cidade",
         {{"Estilo", e(W::ComboBoxLookUpAteLimiteDados)},
          {"PesquisarNovamente", e(W::sim)},
          {"CapsLockMixed", e(W::LowerCase)},
          {"QtdMaxRegRetornadosPesqLookUp", 37.5},
          {"Enabled", false},
          {"ToolTipText", QStringLiteral("Cidade")}}},
        // Put on the form and left as it came.
        {"observacao", {}},
    };
    return campos;
}

std::map<QString, CampoVivoWidget*> projetar(QWidget& form) {
    const auto& campos = campos_projetados();
    form.setObjectName(QString::fromLatin1(classe_formulario));
    form.resize(2 * 10 + largura_campo + 100, 10 + passo * static_cast<int>(campos.size()));
    std::map<QString, CampoVivoWidget*> feitos;
    int y = 10;
    for (const CampoProjetado& c : campos) {
        auto* w = new CampoVivoWidget(&form);
        w->setModoDesigner(true);
        w->setObjectName(QString::fromLatin1(c.nome));
        // Placed as the user drops it; the widget keeps its own height.
        w->setGeometry(10, y, largura_campo, w->height());
        y += passo;
        for (const Ajuste& a : c.ajustes) {
            if (!w->setProperty(a.propriedade, a.valor) || w->property(a.propriedade) != a.valor) {
                // setProperty adds a dynamic property for a name the class does not have.
                throw std::invalid_argument(std::string(c.nome) + "." + a.propriedade);
            }
        }
        feitos[w->objectName()] = w;
    }
    return feitos;
}

}  // namespace pjtCampoVivo::teste_designer
