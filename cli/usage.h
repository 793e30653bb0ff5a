#pragma once

namespace zaltor {

inline constexpr char kUsage[] =
    "usage: zaltor-cli [--status] [--] OPTION...\n"
    "\n"
    "  --status   write every status text to standard error as 'status: TEXT'\n"
    "  --help     this text\n"
    "  --         end of zaltor-cli's own flags; the rest goes to the search\n"
    "\n"
    "Search options (names are not case-sensitive):\n"
    "  /fpattern, /fp PATTERN     drive, directory and name pattern, e.g. C:\\src\\*.cpp;\n"
    "                             without a drive and directory every drive is searched\n"
    "  /matchfilename, /mf NAME   the exact file name\n"
    "  /sp TEXT                   a phrase to find inside the files, or HEX=digit pairs\n"
    "  /filedate, /fd DATE        @, A, B or R and MM/DD/YYYY; range: RMM/DD/YYYY-MM/DD/YYYY\n"
    "  /filetime, /ft TIME        @, A, B or R and HH:MM with an optional a or p;\n"
    "                             range: RHH:MM-HH:MM\n"
    "  /filesize, /fs SIZE        bytes, or E:, G:, GE:, L:, LE: and bytes; range: R:MIN-MAX\n"
    "  /fattr, /fa LETTERS        any of A D H N R S; M: first for an exact match\n"
    "  /r                         search subdirectories too\n"
    "  /verbose, /v               statistics and time stamps in the result file\n"
    "  /se                        step execution: pause lines, or a question before each action\n"
    "  /fcmd TEMPLATE             commands for each file, ';'-separated, %f the file name\n"
    "  /dcmd TEMPLATE             commands for each directory, %f the directory\n"
    "  /env ASSIGNMENTS           NAME=value+NAME=value lines for the batch file\n"
    "  /outfile, /of FILE         the result file (default: standard output)\n"
    "  /batchfile, /bf FILE       the batch file\n"
    "\n"
    "Drives: ZALTOR_DRIVES='C=/srv/c;D=/mnt/d' maps drive letters to host directories;\n"
    "unset, C: is /.\n"
    "\n"
    "Questions are answered on standard input: y or yes, n or no; anything else, or\n"
    "the end of input, lets the search go on.\n"
    "\n"
    "Exit status: 0 completed, 6 completed past a directory that could not be entered,\n"
    "2 failed or stopped.\n";

}  // namespace zaltor
