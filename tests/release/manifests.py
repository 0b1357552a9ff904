#!/usr/bin/env python3
"""manifests.py DIST: reads the manifests that release-manifests.sh wrote in
DIST/manifests with an independent YAML and JSON reader, and prints for
each what a package manager needs that is missing, and whether each hash
and product code is the one of the package it names."""
import hashlib
import json
import os
import re
import subprocess
import sys

import yaml

dist = sys.argv[1]
winget = os.path.join(dist, "manifests", "winget")
required = {
    "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType", "ManifestVersion"],
    "installer": ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType", "ManifestVersion"],
    "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName",
                      "License", "ShortDescription", "ManifestType", "ManifestVersion"],
}


def sha256(path):
    return hashlib.sha256(open(path, "rb").read()).hexdigest().upper()


def product_code(path):
    table = subprocess.run(["msiinfo", "export", path, "Property"], capture_output=True, text=True).stdout
    return next(line.split("\t")[1].strip() for line in table.splitlines() if line.startswith("ProductCode\t"))


for name in sorted(os.listdir(winget)):
    manifest = yaml.safe_load(open(os.path.join(winget, name)))
    kind = manifest.get("ManifestType")
    missing = [key for key in required.get(kind, ["ManifestType"]) if not manifest.get(key)]
    print("%s: %s, %s" % (name, kind, "missing " + " ".join(missing) if missing else "every required field"))
    for installer in manifest.get("Installers", []):
        package = os.path.join(dist, installer["InstallerUrl"].rsplit("/", 1)[1])
        switches = installer.get("InstallerSwitches", {}).get("Custom", "")
        print("  %s %s: %s, %s; hash %s, product code %s" % (
            installer.get("Architecture"), installer.get("Scope"), os.path.basename(package), switches,
            "matches" if installer.get("InstallerSha256") == sha256(package) else "DIFFERS",
            "matches" if installer.get("ProductCode") == product_code(package) else "DIFFERS"))

scoop = json.load(open(os.path.join(dist, "manifests", "scoop", "postlark.json")))
missing = [key for key in ("version", "description", "homepage", "license", "bin") if not scoop.get(key)]
print("scoop/postlark.json: %s" % ("missing " + " ".join(missing) if missing else "every required field"))
for bits, entry in sorted(scoop["architecture"].items()):
    package = os.path.join(dist, entry["url"].rsplit("/", 1)[1])
    print("  %s: %s, %s; hash %s" % (bits, os.path.basename(package), entry["extract_dir"],
                                     "matches" if entry["hash"].upper() == sha256(package) else "DIFFERS"))
for step in ("installer", "uninstaller"):
    print("  %s: regsvr32 %s" % (step, " ".join(re.findall(r"'(/[^']*)'", scoop[step]["script"][0]))))
