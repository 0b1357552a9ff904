Postlark.exe tells what it is in its Properties; its manifest runs it as the
invoking user, on Windows 7 to 11 as itself, and asks for nothing more.

  $ "$windres" -i app/Postlark.exe -O rc >rc && grep -E 'VERSION |FILETYPE|"(File|Product)Version"|"(OriginalFilename|ProductName)"|Execution|activeCodePage|longPathAware' rc | sed "s/${version//./, }, 0/<version>/; s/$version/<version>/" (windows)
   FILEVERSION <version> (windows)
   PRODUCTVERSION <version> (windows)
   FILETYPE 0x1 (windows)
        VALUE "FileVersion", "<version>" (windows)
        VALUE "OriginalFilename", "Postlark.exe" (windows)
        VALUE "ProductName", "Postlark" (windows)
        VALUE "ProductVersion", "<version>" (windows)
    "        <requestedExecutionLevel level=""asInvoker"" uiAccess=""false""/>\n" (windows)
  $ grep -o 'supportedOS Id=""{[^}]*' rc | cut -c19- | paste -sd ' ' (windows)
  35138b9a-5d96-4fbd-8e2d-a2440225f93a 4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38 1f676c76-80e1-4239-95bb-83d0f6d0da78 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a (windows)
