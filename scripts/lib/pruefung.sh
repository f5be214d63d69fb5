# Helpers of the installation and package checks. Sourced by scripts/pruefe-installation
# and scripts/pruefe-paket.

ormisto_id=de.tolvane.Ormisto
ormisto_mime=application/x-ormisto-daten
pruef_bestanden=0
pruef_fehler=0

ok() {
  pruef_bestanden=$((pruef_bestanden + 1))
}

fehlschlag() {
  pruef_fehler=$((pruef_fehler + 1))
  echo "FEHLER: $*" >&2
}

# pruefe BESCHREIBUNG BEFEHL...: the command must succeed.
pruefe() {
  local was=$1
  shift
  if "$@"; then ok; else fehlschlag "$was"; fi
}

# The version as project() in the top CMakeLists.txt states it.
projekt_version() {
  sed -n 's/^project(Ormisto VERSION \([0-9.]*\).*/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../../CMakeLists.txt"
}

# The files an installation holds, relative to its prefix; ormisto only when built.
installierte_dateien() {
  local mit_programm=$1
  echo bin/ormisto-cli
  [ "$mit_programm" = ja ] && echo bin/ormisto
  echo share/applications/$ormisto_id.desktop
  echo share/metainfo/$ormisto_id.metainfo.xml
  echo share/mime/packages/$ormisto_id.xml
  echo share/icons/hicolor/scalable/apps/$ormisto_id.svg
  local g
  for g in 16 22 24 32 48 64 128 256; do
    echo "share/icons/hicolor/${g}x${g}/apps/$ormisto_id.png"
  done
  echo share/man/man1/ormisto.1.gz
  echo share/man/man1/ormisto-cli.1.gz
  echo share/bash-completion/completions/ormisto-cli
  echo share/doc/ormisto/copyright
  echo share/doc/ormisto/changelog.gz
}

# The commands that "ormisto-cli --help" lists.
hilfe_befehle() {
  "$1" --help | sed -n '/^Befehle:$/,/^$/s/^  \([^ ][^ ]*\).*/\1/p'
}

# The global options that "ormisto-cli --help" lists.
hilfe_optionen() {
  "$1" --help | sed -n '/^Globale Optionen:$/,/^$/s/^  \(--[^ ]*\).*/\1/p'
}

# Checks an installed tree under PREFIX against the list above and runs its
# ormisto-cli. Used on a `cmake --install` and on the unpacked package alike.
pruefe_baum() {
  local prefix=$1 mit_programm=$2 datei
  while read -r datei; do
    if [ -f "$prefix/$datei" ]; then ok; else fehlschlag "$datei fehlt"; fi
  done < <(installierte_dateien "$mit_programm")

  local g
  for g in 16 22 24 32 48 64 128 256; do
    datei="$prefix/share/icons/hicolor/${g}x${g}/apps/$ormisto_id.png"
    file -b "$datei" | grep -q "PNG image data, $g x $g," && ok ||
      fehlschlag "$datei ist kein PNG von $g × $g Punkten"
  done

  local meldung
  meldung=$(desktop-file-validate "$prefix/share/applications/$ormisto_id.desktop" 2>&1)
  [ $? -eq 0 ] && [ -z "$meldung" ] && ok || fehlschlag "desktop-file-validate: $meldung"
  local eintrag="$prefix/share/applications/$ormisto_id.desktop"
  grep -qx 'Exec=ormisto %f' "$eintrag" && ok || fehlschlag "Exec-Zeile des Desktop-Eintrags"
  grep -qx "Icon=$ormisto_id" "$eintrag" && ok || fehlschlag "Icon des Desktop-Eintrags"
  grep -qx "MimeType=$ormisto_mime;" "$eintrag" && ok || fehlschlag "MimeType des Desktop-Eintrags"

  local metainfo="$prefix/share/metainfo/$ormisto_id.metainfo.xml"
  meldung=$(appstreamcli validate --no-net "$metainfo" 2>&1)
  if [ $? -eq 0 ] && ! grep -qE '^[EWI]: ' <<<"$meldung"; then ok; else
    fehlschlag "appstreamcli validate: $meldung"
  fi
  grep -q "<release version=\"$(projekt_version)\" date=\"[0-9-]*\"" "$metainfo" && ok ||
    fehlschlag "Die Metadaten nennen nicht die Version $(projekt_version)"

  # The MIME definition must compile and map *.zat to the type.
  local mime
  mime=$(mktemp -d)
  mkdir -p "$mime/packages"
  cp "$prefix/share/mime/packages/$ormisto_id.xml" "$mime/packages/"
  if update-mime-database "$mime" >/dev/null 2>&1 && grep -qx "50:$ormisto_mime:\*.zat" "$mime/globs2"; then
    ok
  else
    fehlschlag "MIME-Definition: *.zat ergibt nicht $ormisto_mime"
  fi
  rm -rf "$mime"

  local cli="$prefix/bin/ormisto-cli"
  local version
  version=$("$cli" --version)
  [ $? -eq 0 ] && [ "$version" = "ormisto-cli $(projekt_version)" ] && ok ||
    fehlschlag "ormisto-cli --version ergibt \"$version\", erwartet \"ormisto-cli $(projekt_version)\""

  # Both pages render without a warning; the page of ormisto-cli names every command
  # and option of --help.
  local seite text
  for seite in ormisto ormisto-cli; do
    meldung=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$prefix/share/man/man1/$seite.1.gz" 2>&1 >/dev/null)
    [ -z "$meldung" ] && ok || fehlschlag "man $seite: $meldung"
  done
  text=$(LC_ALL=C.UTF-8 MANWIDTH=1000 man -E UTF-8 -l "$prefix/share/man/man1/ormisto-cli.1.gz" 2>/dev/null)
  local befehle
  befehle=$(hilfe_befehle "$cli")
  [ -n "$befehle" ] && ok || fehlschlag "ormisto-cli --help nennt keine Befehle"
  for wort in $befehle $(hilfe_optionen "$cli"); do
    grep -qE "^ +$wort( |$)" <<<"$text" && ok || fehlschlag "man ormisto-cli nennt $wort nicht"
  done

  pruefe_vervollstaendigung "$prefix"

  grep -q "All rights reserved" "$prefix/share/doc/ormisto/copyright" &&
    grep -q "^Copyright: [0-9]\{4\} Tolvane$" "$prefix/share/doc/ormisto/copyright" && ok ||
    fehlschlag "copyright ohne Rechteinhaber oder Vorbehalt"
}

# Completes the words in a bash without bash-completion and prints the candidates.
vervollstaendige() {
  local prefix=$1
  shift
  PATH="$prefix/bin:$PATH" bash --norc --noprofile -c '
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    _ormisto_cli
    printf "%s\n" "${COMPREPLY[@]}" | sort' _ \
    "$prefix/share/bash-completion/completions/ormisto-cli" "$@"
}

pruefe_vervollstaendigung() {
  local prefix=$1 cli="$1/bin/ormisto-cli" ordner erwartet
  erwartet=$(hilfe_befehle "$cli" | sort)
  [ "$(vervollstaendige "$prefix" ormisto-cli "")" = "$erwartet" ] && ok ||
    fehlschlag "Vervollständigung: die Befehle"
  erwartet=$(hilfe_optionen "$cli" | sort)
  [ "$(vervollstaendige "$prefix" ormisto-cli --)" = "$erwartet" ] && ok ||
    fehlschlag "Vervollständigung: die globalen Optionen"
  ordner=$(mktemp -d)
  touch "$ordner/a.zat" "$ordner/b.ZAT" "$ordner/c.csv" "$ordner/d.png" "$ordner/e.txt"
  mkdir "$ordner/f"
  local z=$ordner/
  [ "$(vervollstaendige "$prefix" ormisto-cli neu "$z")" = "$(printf '%s\n' "${z}a.zat" "${z}b.ZAT" "${z}f")" ] &&
    ok || fehlschlag "Vervollständigung: neu AUS nennt nicht die .zat-Dateien"
  [ "$(vervollstaendige "$prefix" ormisto-cli import "${z}a.zat" "$z")" = "$(printf '%s\n' "${z}c.csv" "${z}f")" ] &&
    ok || fehlschlag "Vervollständigung: import DATEI CSV nennt nicht die .csv-Dateien"
  [ "$(vervollstaendige "$prefix" ormisto-cli --locale de_DE diagramm "${z}a.zat" --png "$z")" = "$(printf '%s\n' "${z}d.png" "${z}f")" ] &&
    ok || fehlschlag "Vervollständigung: --png nennt nicht die .png-Dateien"
  [ "$(vervollstaendige "$prefix" ormisto-cli sicherungen --ordner "$z")" = "${z}f" ] &&
    ok || fehlschlag "Vervollständigung: --ordner nennt nicht nur die Ordner"
  [ "$(vervollstaendige "$prefix" ormisto-cli liste "")" = "$(printf '%s\n' rezepte verkaeufe zutaten)" ] &&
    ok || fehlschlag "Vervollständigung: liste nennt nicht die Listen"
  rm -rf "$ordner"
}

pruef_ergebnis() {
  echo "$1: $pruef_bestanden Prüfungen bestanden, $pruef_fehler fehlgeschlagen"
  [ "$pruef_fehler" -eq 0 ]
}
