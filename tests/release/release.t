The release packages as tools/package.sh makes them in a folder of its
own (POSTLARK_DIST). Without a certificate nothing is signed, and one
line says so.

  $ POSTLARK_DIST=$PWD/unsigned bash "$root/tools/package.sh" 2>&1 >/dev/null
  Not signed: POSTLARK_SIGN_PKCS12 is not set.
  $ osslsigncode verify -in unsigned/Postlark-*-x64.msi >/dev/null 2>&1 || echo "no signature"
  no signature

With a certificate (a throwaway one here, with its password), every
Postlark.exe and PostlarkMAPI.dll is signed before it goes into the .zip
and the MSIs, and then each MSI; every signature verifies against the
certificate, and the MSIs hold the .zip's very files.

  $ openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 -subj "/CN=Postlark test" -addext extendedKeyUsage=codeSigning 2>/dev/null && openssl pkcs12 -export -in cert.pem -inkey key.pem -out sign.p12 -passout 'pass:a pass word'
  $ export POSTLARK_SIGN_PKCS12=$PWD/sign.p12 POSTLARK_SIGN_PASSWORD='a pass word' && POSTLARK_DIST=$PWD/signed bash "$root/tools/package.sh" 2>&1 | grep -v '^[^ ]*\.[a-z]*$' | sed "s/$version/VERSION/"
  signed Postlark-VERSION-x64.msi
  signed Postlark-VERSION-x86.msi
  $ mkdir zip x64 x86 && (cd zip && cmake -E tar xf ../signed/Postlark-*-windows.zip) && (cd x64 && msiextract ../signed/Postlark-*-x64.msi >/dev/null) && (cd x86 && msiextract ../signed/Postlark-*-x86.msi >/dev/null)
  $ { ls signed/*.msi zip/*/x*/*.*; find x64 x86 -name '*.exe' -o -name '*.dll' | sort; } | while IFS= read -r file; do osslsigncode verify -CAfile cert.pem -in "$file" 2>&1 | grep -q '^Signature verification: ok' && echo "$file: signed" || echo "$file: NOT signed"; done | sed "s/$version/VERSION/g"
  signed/Postlark-VERSION-x64.msi: signed
  signed/Postlark-VERSION-x86.msi: signed
  zip/Postlark-VERSION-windows/x64/Postlark.exe: signed
  zip/Postlark-VERSION-windows/x64/PostlarkMAPI.dll: signed
  zip/Postlark-VERSION-windows/x86/Postlark.exe: signed
  zip/Postlark-VERSION-windows/x86/PostlarkMAPI.dll: signed
  x64/Postlark/VERSION/PostlarkMAPI.dll: signed
  x64/Postlark/Postlark.exe: signed
  x86/Program Files/Postlark/VERSION/PostlarkMAPI.dll: signed
  x86/Program Files/Postlark/Postlark.exe: signed
  $ for arch in x64 x86; do cmp zip/*/$arch/Postlark.exe "$(find $arch -name Postlark.exe)" && cmp zip/*/$arch/PostlarkMAPI.dll "$(find $arch -name PostlarkMAPI.dll)" && echo "$arch: the same files"; done
  x64: the same files
  x86: the same files

A wrong password fails the run, and leaves no package that could pass for
a signed one.

  $ POSTLARK_SIGN_PASSWORD=wrong POSTLARK_DIST=$PWD/wrong bash "$root/tools/package.sh" 2>&1 | tr '\n' ' ' | grep -o 'could not sign *[^ ]*' | sed 's|sign *.*/|sign |'; ls wrong | grep -c -e zip -e msi
  could not sign Postlark.exe
  0

The manifests for winget and Scoop, for packages published under an
address: every field each format requires, two installers for each MSI
(the user's and the machine's, with their switches), and the hashes and
product codes of the very packages.

  $ bash "$root/tools/release-manifests.sh" https://example.org/postlark/$version signed | sed "s|$PWD/||"
  signed/manifests/scoop/postlark.json
  signed/manifests/winget/Postlark.Postlark.installer.yaml
  signed/manifests/winget/Postlark.Postlark.locale.en-US.yaml
  signed/manifests/winget/Postlark.Postlark.yaml
  $ python3 "$root/tests/release/manifests.py" signed | sed "s/$version/VERSION/g"
  Postlark.Postlark.installer.yaml: installer, every required field
    x64 user: Postlark-VERSION-x64.msi, ALLUSERS=2 MSIINSTALLPERUSER=1; hash matches, product code matches
    x64 machine: Postlark-VERSION-x64.msi, ALLUSERS=1; hash matches, product code matches
    x86 user: Postlark-VERSION-x86.msi, ALLUSERS=2 MSIINSTALLPERUSER=1; hash matches, product code matches
    x86 machine: Postlark-VERSION-x86.msi, ALLUSERS=1; hash matches, product code matches
  Postlark.Postlark.locale.en-US.yaml: defaultLocale, every required field
  Postlark.Postlark.yaml: version, every required field
  scoop/postlark.json: every required field
    32bit: Postlark-VERSION-windows.zip, Postlark-VERSION-windows\x86; hash matches
    64bit: Postlark-VERSION-windows.zip, Postlark-VERSION-windows\x64; hash matches
    installer: regsvr32 /s /n /i:user
    uninstaller: regsvr32 /s /u /n /i:user
  $ bash "$root/tools/release-manifests.sh" http://example.org signed 2>&1; echo "[$?]"; bash "$root/tools/release-manifests.sh" https://example.org nothing-here 2>&1; echo "[$?]"
  release-manifests.sh: 'http://example.org' is not an https address
  [2]
  release-manifests.sh: no Postlark-VERSION-windows.zip in nothing-here
  [1]
