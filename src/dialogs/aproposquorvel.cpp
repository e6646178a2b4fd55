// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog and its text.
#include "dialogs/aproposquorvel.h"

#include "app/appearance.h"
#include "ui_aproposquorvel.h"

#include <QStringList>

namespace dialogs
{

QString aboutHtml()
{
    static const QStringList pieces = {
        QStringLiteral("Site de l'éditeur : <a href=\"https://www.halvane.example\">www.halvane.example</a>"),
        QStringLiteral("<br><br><strong>Modifications</strong>"),
        QStringLiteral("<br>- Changement de l'ordre des RC sélectionnés."),
        QStringLiteral("<br>- Modification de l'image affichée  en cliquant sur le bouton APropos"),
        QStringLiteral("<br>- Suppression du message version béta"),
        QStringLiteral("<br><br> 1.4b du 10 Octobre 2005"),
        QStringLiteral("<br>- Modification de la position des boutons Ajouter RC et Supprimer RC"),
        QStringLiteral("<br>- Correction emplacement du focus â  l'ouverture de la fiche."),
        QStringLiteral("<br><br>1.2 du 7 septembre 2005"),
        QStringLiteral("<br>- Correction des champs mal affichés."),
        QStringLiteral("<br>- Modification du raccourci clavier pour accéder aux classes."),
        QStringLiteral("<br><br>1.01 du 25 Avril 2005"),
        QStringLiteral("<br>- Diminution de la taille pour s'adapter au 1024x768"),
        QStringLiteral("<br>- Ajout de plusieurs raccourcis clavier"),
        QStringLiteral("<br><br>1.0 du 22 Avril 2005"),
        QStringLiteral("<br>- Implémentation d'une alerte dans le choix d'un RC en position «N» lorsque des critères "
                       "obligatoires non pas été cochés"),
        QStringLiteral("<br>- Possibilité de relever plusieurs fois le même RC dans une séance"),
        QStringLiteral("<br>- Ajout d'un champ Asymptomatique"),
        QStringLiteral("<br>- Ajout d'une saisie prédictive sur les RC et items"),
        QStringLiteral("<br>- Suppression de la RAZ si le profil du patient change"),
        QStringLiteral("<br>- Suppression de la sélection de tout le texte dans la fenêtre argumentaire"),
        QStringLiteral("<br>- Implémentation du forçage de sélection d'un item pére si un item fils a été sélectionné"),
    };
    return pieces.join(QString());
}

} // namespace dialogs

AproposQuorvel::AproposQuorvel(QWidget *parent) : QDialog(parent), ui(new Ui::AproposQuorvel)
{
    ui->setupUi(this);
    // Only a close box: the fixed layout has nothing to gain from minimising, maximising or the help button.
    // A window of its own: without the type, a dialog with a parent would become a widget inside it.
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    appearance::usePalette();
    appearance::fitToScreen(this, size());
    ui->txtAPropos->setHtml(dialogs::aboutHtml());
}

AproposQuorvel::~AproposQuorvel()
{
    delete ui;
}

void AproposQuorvel::on_btClose_clicked()
{
    close();
}
