#!/usr/bin/env bash
# Rewrites the #include lines of src/, tests/ and bench/ for headers that moved
# to the folder of their layer. Running it again changes nothing.
# Usage: bash tools/rewrite-includes.sh [repository folder]
set -euo pipefail
ROOT="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$ROOT"

# old path (without .h)               new path
MOVES='
busy/StatementThread                     db/StatementThread
busy/BusyWait                            window/BusyWait
busy/BusyIndicator                       window/BusyIndicator
busy/BusyCursor                          window/BusyCursor
db/Form                                  window/Form
db/FormRegistry                          window/FormRegistry
db/ResultGrid                            window/ResultGrid
db/ResultModel                           window/ResultModel
db/Widgets                               window/Widgets
catalogue/TForm_delete_d                 catalogue/windows/TForm_delete_d
catalogue/TForm_delete_d_a               catalogue/windows/TForm_delete_d_a
catalogue/TForm_insert_d                 catalogue/windows/TForm_insert_d
catalogue/TForm_insert_d_a_info          catalogue/windows/TForm_insert_d_a_info
catalogue/TForm_select_d                 catalogue/windows/TForm_select_d
catalogue/TForm_select_d_c               catalogue/windows/TForm_select_d_c
catalogue/TForm_select_d_c_a             catalogue/windows/TForm_select_d_c_a
catalogue/TForm_update_d                 catalogue/windows/TForm_update_d
catalogue/TForm_update_d_m               catalogue/windows/TForm_update_d_m
catalogue/TForm_update_d_o               catalogue/windows/TForm_update_d_o
catalogue/TForm_update_d_o_a_info        catalogue/windows/TForm_update_d_o_a_info
admin/TForm_account_alt                  admin/windows/TForm_account_alt
admin/TForm_account_cre                  admin/windows/TForm_account_cre
admin/TForm_account_del                  admin/windows/TForm_account_del
admin/TForm_admin_alt                    admin/windows/TForm_admin_alt
admin/TForm_cre_t                        admin/windows/TForm_cre_t
admin/TForm_del_t                        admin/windows/TForm_del_t
admin/TForm_del_t_2                      admin/windows/TForm_del_t_2
admin/TForm_paper_procedure              admin/windows/TForm_paper_procedure
admin/TForm_paper_procedure_cre          admin/windows/TForm_paper_procedure_cre
admin/TForm_sql_oper                     admin/windows/TForm_sql_oper
admin/TForm_user_table                   admin/windows/TForm_user_table
exchange/TForm_import                    exchange/windows/TForm_import
duplicates/TForm_dup_find                duplicates/windows/TForm_dup_find
pdf/TForm_pdf_import                     pdf/windows/TForm_pdf_import
fulltext/TForm_fulltext                  fulltext/windows/TForm_fulltext
shell/TForm_database_sel                 shell/windows/TForm_database_sel
shell/TForm_login                        shell/windows/TForm_login
shell/TForm_logout                       shell/windows/TForm_logout
shell/TForm_main                         shell/windows/TForm_main
shell/TForm_password_update              shell/windows/TForm_password_update
admin/AccountWidgets                     admin/windows/AccountWidgets
catalogue/AuthorList                     catalogue/windows/AuthorList
duplicates/SimilarChoices                duplicates/windows/SimilarChoices
duplicates/SimilarPapersBox              duplicates/windows/SimilarPapersBox
exchange/ExportMenu                      exchange/windows/ExportMenu
exchange/ImportRun                       exchange/windows/ImportRun
exchange/PreviewGrid                     exchange/windows/PreviewGrid
'

script=""
while read -r old new; do
  [ -n "$old" ] || continue
  script+="s|#include \"${old}\\.h\"|#include \"${new}.h\"|;"
done <<< "$MOVES"

find src tests bench -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null |
  xargs -0 -r grep -lZ '#include "' | xargs -0 -r sed -i "$script"
