// The demo's customer form: one CampoVivoWidget per field, each with its label, beside a
// live panel of the focused field's values, a designer-mode switch with the property table,
// and buttons that save and open the form's settings as a JSON file. The city field looks
// municipalities up page by page in a SQLite database.
#pragma once

#include <QString>
#include <QStringView>
#include <QWidget>
#include <vector>

#include <pjtcampovivo/widgets/arquivo_formulario.hpp>
#include <pjtcampovivo/widgets/campo_vivo_widget.hpp>
#include "demo/municipios.hpp"

class QCheckBox;

namespace pjtCampoVivo::demo {

class PainelValores;
class TabelaPropriedades;

// A field of the form: its name in the form file, its label, its widget.
struct CampoFormulario {
    QString nome;
    QString rotulo;
    qt::CampoVivoWidget* widget;
};

class FormularioCliente : public QWidget {
    Q_OBJECT
  public:
    // banco_municipios: the SQLite file of the city lookup, read when the list is loaded.
    explicit FormularioCliente(const QString& banco_municipios, QWidget* parent = nullptr);
    ~FormularioCliente() override;

    // Loads the city list's first page; fails with the database's error.
    void carregar_municipios();

    const std::vector<CampoFormulario>& campos() const { return campos_; }
    // The field of this name, or nullptr.
    qt::CampoVivoWidget* campo(QStringView nome) const;
    qt::ControlesNomeados controles() const;

    PainelValores& painel() const { return *painel_; }
    TabelaPropriedades& tabela() const { return *tabela_; }
    QCheckBox& modo_designer() const { return *modo_designer_; }

    // Every field's settings to and from a form file; fail with ErroArquivoFormulario.
    void salvar(const QString& caminho) const;
    void abrir(const QString& caminho);

  signals:
    // The city list grew in answer to FimItensLista: the text searched and the entries added.
    void paginaCarregada(const QString& texto, int adicionadas);

  private:
    qt::CampoVivoWidget* novo_campo(const QString& nome, const QString& rotulo);
    void configurar_campos();
    void foco_mudou(QWidget* novo);
    void mudar_modo(bool designer);
    void continuar_cidades(QString* TextoProcurado);
    // The registration field takes the unit of the city chosen.
    void acompanhar_uf();
    void perguntar_salvar();
    void perguntar_abrir();
    // Shows a failure once the current event is over, so a message box never opens inside a
    // keystroke that the control is still handling.
    void avisar_depois(const QString& titulo, const QString& mensagem);

    MunicipiosSqlite municipios_;
    std::vector<CampoFormulario> campos_;
    PainelValores* painel_ = nullptr;
    TabelaPropriedades* tabela_ = nullptr;
    QCheckBox* modo_designer_ = nullptr;
};

}  // namespace pjtCampoVivo::demo
