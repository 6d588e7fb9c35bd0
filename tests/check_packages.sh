#!/usr/bin/env bash
# Fails when a Debian package that vk installs is not named in the README, or the other way round,
# so that a reader of the README installs exactly what the commands would.
set -uo pipefail
cd "$(dirname "$0")/.."
vk_packages=$(sed -n '/^[A-Z_]*PACKAGES=(/,/)/p' vk | sed -E 's/^[A-Z_]*PACKAGES=\(//; s/\)//' | tr -s ' \n' '\n' | grep -v '^$' | sort -u)
readme_packages=$(sed -n '/^Debian packages the commands install/,/^## /p' README.md | grep -E '^- ' | grep -oE '`[^`]+`' | tr -d '`' | tr -s ' ' '\n' | grep -v '^$' | sort -u)
missing=$(comm -23 <(echo "$vk_packages") <(echo "$readme_packages"))
extra=$(comm -13 <(echo "$vk_packages") <(echo "$readme_packages"))
[ -z "$missing" ] || echo "vk installerar men README nämner inte: $(echo $missing)"
[ -z "$extra" ] || echo "README nämner men vk installerar inte: $(echo $extra)"
[ -z "$missing$extra" ] || exit 1
echo "Paketlistorna i vk och README stämmer överens."
