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
         share/icons/hicolor/48x48/apps/lqm-analyser.png bin/lqm-outil bin/lqm-simulateur \
         share/doc/lqm-analyser/copyright share/doc/lqm-analyser/changelog.gz \
         share/bash-completion/completions/lqm-outil \
         share/metainfo/fr.tarvo.lqm_analyser.metainfo.xml; do
    [ -f "$prefixe/usr/$f" ] || { echo "absent : $f"; exit 1; }
done
# Le singe est un outil de test : ni installé ni empaqueté.
[ ! -e "$prefixe/usr/bin/lqm-singe" ] || { echo "lqm-singe installé"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefixe/usr/share/applications/lqm-analyser.desktop" | { ! grep -q "error"; }
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefixe/usr/share/metainfo/fr.tarvo.lqm_analyser.metainfo.xml" >/dev/null
fi

# Les trois versions sont celle du paquet ; chaque page de manuel se lit, en français, et
# celle de lqm-outil décrit chaque commande que le programme connaît.
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$construction/CPackConfig.cmake")
for programme in lqm-analyser lqm-outil lqm-simulateur; do
    [ "$("$prefixe/usr/bin/$programme" --version)" = "$programme $version" ] \
        || { echo "version de $programme : $("$prefixe/usr/bin/$programme" --version)"; exit 1; }
    page="$prefixe/usr/share/man/man1/$programme.1.gz"
    [ -f "$page" ] || { echo "page de manuel absente : $programme"; exit 1; }
    texte=$(MANWIDTH=200 man -l "$page" 2>/dev/null)
    for titre in NOM SYNOPSIS DESCRIPTION EXEMPLES "VOIR AUSSI"; do
        grep -q "^$titre" <<<"$texte" || { echo "$programme(1) : partie $titre absente"; exit 1; }
    done
done
texte=$(MANWIDTH=200 man -l "$prefixe/usr/share/man/man1/lqm-outil.1.gz" 2>/dev/null)
for commande in $("$prefixe/usr/bin/lqm-outil" --help | awk '/^Commandes :/ { c = 1; next } c && /^  [a-z]/ { print $1 }'); do
    grep -q "^   $commande$" <<<"$texte" || { echo "lqm-outil(1) : commande $commande absente"; exit 1; }
done

# La complétion propose les commandes et les options que le programme installé connaît.
completer() {
    PATH="$prefixe/usr/bin:$PATH" bash -c '
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _lqm_outil; echo "${COMPREPLY[*]}"' \
        _ "$prefixe/usr/share/bash-completion/completions/lqm-outil" "$@"
}
[ "$(completer lqm-outil tabl)" = "tableau-leq" ] || { echo "complétion : $(completer lqm-outil tabl)"; exit 1; }
[ "$(completer lqm-outil rapport --li)" = "--limite" ] || { echo "complétion : $(completer lqm-outil rapport --li)"; exit 1; }

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
! grep -q lqm-singe <<<"$contenu" || { echo "lqm-singe dans le paquet"; exit 1; }
dependances=$(dpkg-deb -f "$paquet" Depends)
echo "Dépendances : $dependances"
grep -q libqt6widgets6 <<<"$dependances"
grep -q qt6-qpa-plugins <<<"$dependances"
grep -q libqt6sql6-sqlite <<<"$dependances"
echo "Installation et paquet : bons"
