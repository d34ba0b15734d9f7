#!/usr/bin/env bash
# L'installation dans un préfixe jetable : le programme installé trouve ses images et
# démarre sans écran ; le paquet Debian contient programmes, images, entrée de menu, icône
# et type MIME. Usage : installation.sh DOSSIER_DE_CONSTRUCTION
set -euo pipefail
construction=$1
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT

cmake --install "$construction" --prefix "$prefixe/usr" >/dev/null
sortie=$("$prefixe/usr/bin/lqm-analyser" --verifier-images)
echo "$sortie"
[ "$sortie" = "Images du programme : $prefixe/usr/share/lqm-analyser/Images" ]
for f in share/applications/lqm-analyser.desktop share/mime/packages/lqm-analyser.xml \
         share/icons/hicolor/48x48/apps/lqm-analyser.png bin/lqm-outil bin/lqm-simulateur; do
    [ -f "$prefixe/usr/$f" ] || { echo "absent : $f"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefixe/usr/share/applications/lqm-analyser.desktop" | { ! grep -q "error"; }
fi

# Démarré sans écran, il tient (timeout l'arrête : code 124) au lieu de s'arrêter en erreur.
code=0
QT_QPA_PLATFORM=offscreen timeout 3 "$prefixe/usr/bin/lqm-analyser" >/dev/null 2>&1 || code=$?
[ "$code" -eq 124 ] || { echo "le programme installé s'est arrêté (code $code)"; exit 1; }

# Le paquet, et ce qu'il installe.
(cd "$prefixe" && cpack -G DEB --config "$construction/CPackConfig.cmake" -B "$prefixe/paquet" >/dev/null)
paquet=$(ls "$prefixe"/paquet/lqm-analyser_*.deb)
contenu=$(dpkg-deb -c "$paquet")
for f in ./usr/bin/lqm-analyser ./usr/share/lqm-analyser/Images/Print.bmp \
         ./usr/share/applications/lqm-analyser.desktop ./usr/share/mime/packages/lqm-analyser.xml \
         ./usr/share/icons/hicolor/256x256/apps/lqm-analyser.png; do
    grep -q " $f\$" <<<"$contenu" || { echo "absent du paquet : $f"; exit 1; }
done
dependances=$(dpkg-deb -f "$paquet" Depends)
echo "Dépendances : $dependances"
grep -q libqt6widgets6 <<<"$dependances"
grep -q qt6-qpa-plugins <<<"$dependances"
grep -q libqt6sql6-sqlite <<<"$dependances"
echo "Installation et paquet : bons"
