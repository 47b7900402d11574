// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <map>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vendrix::ui {

// A teacher's worksheet: how many exercises of each kind, the level and the
// seed, exported with its key as LaTeX, HTML or PDF. The same seed makes
// the same worksheet again; another seed, a variant of it with the same
// kinds and level. The counts are spin boxes named Quantos_ and the kind's
// name ("Quantos_ruffini_ax_b").
class Ficha : public QDialog
{
    Q_OBJECT

public:
    explicit Ficha(QWidget* parent = nullptr);

private:
    enum class Formato { LaTeX, Html, Pdf };

    void OutraSemente_Click();
    void Exportar(Formato formato);
    void Actualizar();

    std::map<std::string, QSpinBox*> quantos; // by the kind's name
    QComboBox* nível = nullptr;
    QLineEdit* semente = nullptr;
    QPushButton* ExportarLatex = nullptr;
    QPushButton* ExportarHtml = nullptr;
    QPushButton* ExportarPdf = nullptr;
};

} // namespace vendrix::ui
