#include "support/builtin_texts.h"

// The support library's own texts, catalogue IDs 60000 to 60100 in order.
const std::array<const char*, BuiltinTextCount> BuiltinTexts = {
  "Ready ...",  // 60000
  "%s(CreateFontIndirect): Cannot create %s %d pt. font\r\rCode %d",  // 60001
  "\rError detected loading application accelerator keys\r\rCode %d",  // 60002
  "\rError detected creating %s window class\r\rCode %d",  // 60003
  "\rError detected opening the %s window\r\rCode %d",  // 60004
  "\rError detected creating child window (ID:%d)\r\rCode %d",  // 60005
  "\rError detected scheduling a Windows background timer\r\rCode %d",  // 60006
  "\rError detected creating client child window\r\rCode %d",  // 60007
  "\rCannot allocate memory for %s\r\rSize: %d bytes requested",  // 60008
  "%s(GetDC): Error detected reading screen device context\r\rCode %d",  // 60009
  "%s(LoadBitmap): Error detected loading specified picture (ID:%u)\r\rCode %d",  // 60010
  "%s(CreateCompatibleDC): Error detected creating compatible device context\r\rCode %d",  // 60011
  "%s(SelectObject): Error detected selecting picture resource (ID:%u)\r\rCode %d",  // 60012
  "%s(GetObject): Error detected loading bitmap object data (ID:%u)\r\rCode %d",  // 60013
  "%s(LoadIcon): Error detected loading icon resource (ID:%u)\r\rCode %d",  // 60014
  "%s(DrawIcon): Error detected drawing icon resource (ID:%u)\r\rCode %d",  // 60015
  "%s(SetMapMode): Error detected setting DC mapping mode\r\rCode %d",  // 60016
  "%s(FindResource): Error detected finding %s resource (ID:%u)\r\rCode %d",  // 60017
  "%s(LoadResource): Error detected loading %s resource (ID:%u)\r\rCode %d",  // 60018
  "%s(LockResource): Error detected locking %s resource (ID:%u)\r\rCode %d",  // 60019
  "File I/O Error",  // 60020
  "File: %s\r\rFile not found.",  // 60021
  "File: %s\r\rThis disk file is too large to load\r\rSize: %u Bytes",  // 60022
  "File: %s\r\rThis disk file is write-protected on the drive\rNo editing is allowed for this document.",  // 60023
  "File: %s\r\rThis disk file is write protected on the drive\rWould you like to open it as Read-Only?",  // 60024
  "File: %s\r\rError detected reading disk file information\r\rCode %d",  // 60025
  "File: %s\r\rError detected creating this disk file\r\rCode %d",  // 60026
  "File: %s\r\rError detected opening this disk file\r\rCode %d",  // 60027
  "File: %s\r\rError detected opening this source file\r\rCode %d",  // 60028
  "File: %s\r\rError detected opening this destination file\r\rCode %d",  // 60029
  "File: %s\r\rError detected rewinding this disk file\r\rCode %d",  // 60030
  "File: %s\r\rError detected seeking location %u in this file\r\rCode %d",  // 60031
  "File: %s\r\rError detected reading header from this disk file\r\rCode %d",  // 60032
  "File: %s\r\rError detected reading data from this disk file\r\rCode %d",  // 60033
  "File: %s\r\rError detected reading record %u from this disk file\r\rCode %d",  // 60034
  "File: %s\r\rError detected reading from the source file\r\rCode %d",  // 60035
  "File: %s\r\rError detected writing header signature to this disk file\r\rCode %d",  // 60036
  "File: %s\r\rError detected writing data to this disk file\r\rCode %d",  // 60037
  "File: %s\r\rError detected writing record %u to this disk file\r\rCode %d",  // 60038
  "File: %s\r\rError detected writing to the destination file\r\rCode %d",  // 60039
  "File: %s\r\rError detected flushing buffers for this disk file\r\rCode %d",  // 60040
  "File: %s\r\rError detected setting EOF mark %u on this file\r\rCode %d",  // 60041
  "File: %s\r\rError detected closing this disk file\r\rCode %d",  // 60042
  "File: %s\r\rInvalid file header signature detected. This\rdocument was not created by %s",  // 60043
  "Path: %s\r\rError detected creating this file directory\r\rCode %d",  // 60044
  "\rCannot open the MS Windows Clipboard.\rAnother application may be using it.\r\rCode %d",  // 60045
  "\rError detected creating a temporary device\rcontext for Clipboard operations\r\rCode %d",  // 60046
  "\rError detected creating a temporary\rbitmap for Clipboard operations\r\rCode %d",  // 60047
  "\rError detected creating a temporary memory\rbuffer for Clipboard operations\r\rCode %d",  // 60048
  "\rError detected accessing memory pointer\rneeded for Clipboard operations\r\rCode %d",  // 60049
  "\rError detected while copying bitmap to the Clipboard\r\rCode %d",  // 60050
  "\rError detected while copying text to the Clipboard\r\rCode %d",  // 60051
  "\rError detected accessing the Clipboard data\r\rCode %d",  // 60052
  "\r\r\tThe Clipboard is empty",  // 60053
  "\rError detected copying bitmap from the Clipboard\r\rCode %d",  // 60054
  "\rError detected copying text from the Clipboard\r\rCode %d",  // 60055
  "\rThe Clipboard does not contain a suitable bitmap",  // 60056
  "\rThe Clipboard does not contain any text",  // 60057
  "File: %s\r\rError detected creating %s fonts for printing\r\rCode %d",  // 60058
  "File: %s\r\rError detected starting the printer job\r\rCode %d",  // 60059
  "File: %s\r\rError detected opening page %d for printing\r\rCode %d",  // 60060
  "File: %s\r\rError detected closing page %d after printing\r\rCode %d",  // 60061
  "File: %s\r\rError detected closing the printer job\r\rCode %d",  // 60062
  "%s - %s",  // 60063
  "%05d: %s",  // 60064
  "- Page %d -",  // 60065
  "Options saved",  // 60066
  "%s created",  // 60067
  "%s opened",  // 60068
  "%s opened for viewing",  // 60069
  "%s closed",  // 60070
  "Writing %s",  // 60071
  "%s saved",  // 60072
  "Reading %s",  // 60073
  "Saved as %s",  // 60074
  "%s changes discarded",  // 60075
  "%s set for viewing",  // 60076
  "%s set for editing",  // 60077
  "%s loading canceled",  // 60078
  "%s saving canceled",  // 60079
  "Printing %s",  // 60080
  "Printing page %d",  // 60081
  "%s printed",  // 60082
  "%s printing canceled",  // 60083
  "Find '%s'",  // 60084
  "Replace '%s' with '%s'",  // 60085
  "Replacing '%s' with '%s' ...",  // 60086
  "Replaced '%s' with '%s' %d time%s",  // 60087
  "Cannot find '%s'",  // 60088
  "Found '%s'",  // 60089
  "Replaced '%s' with '%s'",  // 60090
  "File: %s\r\rError detected reading file size\rCode %d",  // 60091
  "File: %s\r\rThis file does not contain any data",  // 60092
  "File: %s\r\rError detected reading %s data from disk\rCode %d",  // 60093
  "File: %s\r\rError detected writing %s data to disk\rCode %d",  // 60094
  "Run: %s\rCmd: %s\r\rError detected launching this application\rCode %d",  // 60095
  "OFF",  // 60096
  "ON",  // 60097
  "File: %s\rName: %s\r\rError detected renaming this disk file\rCode %d",  // 60098
  "File: %s\r\rError detected deleting this disk file\rCode %d",  // 60099
  " ",  // 60100
};
