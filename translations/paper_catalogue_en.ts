<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>BusyIndicator</name>
    <message>
        <source>正在执行</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>正在执行数据库语句，请稍候……</source>
        <translation>Running a database statement, please wait…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>已用时 %1 秒</source>
        <translation>%1 s so far</translation>
    </message>
    <message>
        <source>正在取消……</source>
        <translation>Cancelling…</translation>
    </message>
</context>
<context>
    <name>CellCopy</name>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
</context>
<context>
    <name>ExportMenu</name>
    <message>
        <source>没有可导出的结果</source>
        <translation>No result to export</translation>
    </message>
    <message>
        <source>结果中没有论文题目、论文一作和发表时间，只能导出为 CSV</source>
        <translation>The result lacks title, first author and publication time; it can only be exported as CSV</translation>
    </message>
    <message>
        <source>无法写入文件：</source>
        <translation>Cannot write the file: </translation>
    </message>
    <message>
        <source>导出为 CSV…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message>
        <source>导出为 BibTeX…</source>
        <translation>Export as BibTeX…</translation>
    </message>
    <message>
        <source>导出为 RIS…</source>
        <translation>Export as RIS…</translation>
    </message>
    <message>
        <source>导出结果</source>
        <translation>Export result</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export failed</translation>
    </message>
</context>
<context>
    <name>ImportRun</name>
    <message>
        <source>跳过</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>导入 %1，更新 %2，跳过 %3，失败 %4</source>
        <translation>imported %1, updated %2, skipped %3, failed %4</translation>
    </message>
    <message>
        <source>共 %1 条：可导入 %2，需注意 %3，%4%5 %6，已在库中 %7，不能导入 %8；已勾选 %9</source>
        <translation>%1 entries: %2 ready, %3 need attention, %4%5 %6, %7 in the catalogue, %8 not importable; %9 ticked</translation>
    </message>
    <message>
        <source>可能重复 %1（未勾选），</source>
        <translation>%1 possible duplicates (not ticked), </translation>
    </message>
</context>
<context>
    <name>RowCountLabel</name>
    <message>
        <source>共 %1 行</source>
        <translation>%1 rows</translation>
    </message>
</context>
<context>
    <name>TForm_account_alt</name>
    <message>
        <source>修改用户</source>
        <translation>Change user</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>管理员账户修改</source>
        <translation>Change administrator account</translation>
    </message>
    <message>
        <source>用户名：</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>修改权限为：</source>
        <translation>Change right to:</translation>
    </message>
</context>
<context>
    <name>TForm_account_cre</name>
    <message>
        <source>添加用户</source>
        <translation>Add user</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>用户名：</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>权限：</source>
        <translation>Right:</translation>
    </message>
</context>
<context>
    <name>TForm_account_del</name>
    <message>
        <source>删除用户</source>
        <translation>Remove user</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>用户选择：</source>
        <translation>User:</translation>
    </message>
</context>
<context>
    <name>TForm_admin_alt</name>
    <message>
        <source>管理员账户修改</source>
        <translation>Change administrator account</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>新账户名：</source>
        <translation>New account name:</translation>
    </message>
    <message>
        <source>新密码：</source>
        <translation>New password:</translation>
    </message>
</context>
<context>
    <name>TForm_cre_t</name>
    <message>
        <source>列名与约束条件写法：</source>
        <translation>How to write columns and constraints:</translation>
    </message>
    <message>
        <source>1. 语法：&lt;列名&gt;&lt;数据类型&gt;[</source>
        <translation>1. Syntax: &lt;column&gt;&lt;data type&gt;[</translation>
    </message>
    <message>
        <source>列级约束条件][,&lt;列名&gt;&lt;数据</source>
        <translation>column constraint][,&lt;column&gt;&lt;data</translation>
    </message>
    <message>
        <source>结构&gt;[列级约束条件][,&lt;表级</source>
        <translation>type&gt;[column constraint][,&lt;table</translation>
    </message>
    <message>
        <source>完整性约束条件&gt;]</source>
        <translation>integrity constraint&gt;]</translation>
    </message>
    <message>
        <source>2. 注意事项：注意语句中不能</source>
        <translation>2. Note: do not put line breaks</translation>
    </message>
    <message>
        <source>自己加入换行，注意使用半角</source>
        <translation>into the text yourself; use ASCII</translation>
    </message>
    <message>
        <source>符号,注意表名与列名间的括号</source>
        <translation>symbols; the parentheses after the</translation>
    </message>
    <message>
        <source>和最后的括号与分号不需写出</source>
        <translation>table name and the final ; are added</translation>
    </message>
    <message>
        <source>生成表</source>
        <translation>Create table</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>表名：</source>
        <translation>Table name:</translation>
    </message>
    <message>
        <source>列名与约束条件：</source>
        <translation>Columns and constraints:</translation>
    </message>
</context>
<context>
    <name>TForm_database_sel</name>
    <message>
        <source>数据库更改</source>
        <translation>Change database</translation>
    </message>
    <message>
        <source>请输入数据源以更改数据库：</source>
        <translation>Enter a data source to change the database:</translation>
    </message>
    <message>
        <source>更改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>数据源：</source>
        <translation>Data source:</translation>
    </message>
    <message>
        <source>（注意：目前仅支持通过ODBC进行连接的数据库）</source>
        <translation>(Note: only databases reached through ODBC are supported)</translation>
    </message>
    <message>
        <source>（考虑到语法问题，建议使用mysql的数据库）</source>
        <translation>(Because of the SQL dialect, a MySQL/MariaDB database is recommended)</translation>
    </message>
    <message>
        <source>更改完成</source>
        <translation>Change done</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>TForm_del_t</name>
    <message>
        <source>删除表_注意</source>
        <translation>Drop table - warning</translation>
    </message>
    <message>
        <source>继续</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>注意：表被删除后将无法复原，</source>
        <translation>Note: a dropped table cannot be restored;</translation>
    </message>
    <message>
        <source>请确保已备份数据。</source>
        <translation>make sure the data is backed up.</translation>
    </message>
    <message>
        <source>继续吗？</source>
        <translation>Continue?</translation>
    </message>
</context>
<context>
    <name>TForm_del_t_2</name>
    <message>
        <source>删除表</source>
        <translation>Drop table</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>选择表名：</source>
        <translation>Table:</translation>
    </message>
</context>
<context>
    <name>TForm_delete_d</name>
    <message>
        <source>删除元组</source>
        <translation>Remove paper</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>删除作者信息</source>
        <translation>Remove author</translation>
    </message>
    <message>
        <source>论文题目：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>论文一作：</source>
        <translation>First author:</translation>
    </message>
    <message>
        <source>发表时间：</source>
        <translation>Published:</translation>
    </message>
</context>
<context>
    <name>TForm_delete_d_a</name>
    <message>
        <source>删除作者信息</source>
        <translation>Remove author</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>作者名：</source>
        <translation>Author name:</translation>
    </message>
</context>
<context>
    <name>TForm_dup_find</name>
    <message>
        <source>保留此篇</source>
        <translation>Keep this one</translation>
    </message>
    <message>
        <source>论文题目</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>论文一作</source>
        <translation>First author</translation>
    </message>
    <message>
        <source>发表时间</source>
        <translation>Published</translation>
    </message>
    <message>
        <source>论文文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>保存文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>论文分类</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>其他作者</source>
        <translation>Further authors</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>录入者</source>
        <translation>Entered by</translation>
    </message>
    <message>
        <source>录入时间</source>
        <translation>Entered on</translation>
    </message>
    <message>
        <source>查找重复论文</source>
        <translation>Find duplicate papers</translation>
    </message>
    <message>
        <source>开始查找</source>
        <translation>Start search</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>查找全部论文中可能重复的论文。</source>
        <translation>Find papers in the whole catalogue that may be duplicates.</translation>
    </message>
    <message>
        <source>点“保留此篇”一行选择保留的论文；点题目至分类各行的格子，选择合并后取哪一篇的值。其他作者与关键词合并去重，备注连在一起。</source>
        <translation>Click in the "Keep this one" row to choose the paper to keep; click a cell in the rows from title to category to choose which paper's value the merged paper takes. Further authors and keywords are merged without repeats, remarks are joined.</translation>
    </message>
    <message>
        <source>合并本组</source>
        <translation>Merge this group</translation>
    </message>
    <message>
        <source>不是重复</source>
        <translation>Not a duplicate</translation>
    </message>
    <message>
        <source>保留最早录入的</source>
        <translation>Keep the earliest entered</translation>
    </message>
    <message>
        <source>保留信息最全的</source>
        <translation>Keep the most complete</translation>
    </message>
    <message>
        <source>合并勾选的组</source>
        <translation>Merge ticked groups</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>批量合并：</source>
        <translation>Merge many:</translation>
    </message>
    <message>
        <source>已取消。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>%1（%2 篇）</source>
        <translation>%1 (%2 papers)</translation>
    </message>
    <message>
        <source>共 %1 篇论文，找到 %2 组可能重复的论文。勾选的组可按所选规则一并合并。</source>
        <translation>%1 papers, %2 groups of possible duplicates found. Ticked groups can be merged together by the chosen rule.</translation>
    </message>
    <message>
        <source>论文 %1</source>
        <translation>Paper %1</translation>
    </message>
    <message>
        <source>合并后</source>
        <translation>Merged</translation>
    </message>
    <message>
        <source>● 保留</source>
        <translation>● keep</translation>
    </message>
    <message>
        <source>○ 删除</source>
        <translation>○ remove</translation>
    </message>
    <message>
        <source>合并结果</source>
        <translation>Merged result</translation>
    </message>
    <message>
        <source>请勾选要合并的组</source>
        <translation>Tick the groups to merge</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>正在合并第 %1 组，共 %2 组…</source>
        <translation>Merging group %1 of %2…</translation>
    </message>
    <message>
        <source>已合并 %1 组</source>
        <translation>%1 groups merged</translation>
    </message>
    <message>
        <source>，%1 组未合并（论文已被删除或修改）</source>
        <translation>, %1 groups not merged (papers were removed or changed)</translation>
    </message>
    <message>
        <source>，其余已取消</source>
        <translation>, the rest cancelled</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>批量合并</source>
        <translation>Merge many</translation>
    </message>
</context>
<context>
    <name>TForm_fulltext</name>
    <message>
        <source>全文检索</source>
        <translation>Full-text search</translation>
    </message>
    <message>
        <source>检索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>建立全文索引</source>
        <translation>Build full-text index</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>检索词：</source>
        <translation>Search for:</translation>
    </message>
    <message>
        <source>数据库中还没有全文索引表</source>
        <translation>The database has no full-text index tables yet</translation>
    </message>
    <message>
        <source>数据库中没有全文索引表，请先建立</source>
        <translation>The database has no full-text index tables; create them first</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>正在检查论文文件…</source>
        <translation>Checking the papers' files…</translation>
    </message>
    <message>
        <source>正在索引新论文…</source>
        <translation>Indexing new papers…</translation>
    </message>
    <message>
        <source>已读 %1 / %2 个文件</source>
        <translation>Read %1 / %2 files</translation>
    </message>
    <message>
        <source>词、"整句"、中文词句；-词 表示排除</source>
        <translation>words, "a phrase", Chinese text; -word leaves out</translation>
    </message>
</context>
<context>
    <name>TForm_import</name>
    <message>
        <source>从文件批量插入元组到数据库</source>
        <translation>Import papers from a file</translation>
    </message>
    <message>
        <source>选择或拖入一个 .bib、.ris、.csv 或 .tsv 文件</source>
        <translation>Choose or drop a .bib, .ris, .csv or .tsv file</translation>
    </message>
    <message>
        <source>选择文件…</source>
        <translation>Choose file…</translation>
    </message>
    <message>
        <source>自动识别</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>重新读取</source>
        <translation>Read again</translation>
    </message>
    <message>
        <source>文件中的列</source>
        <translation>Column in the file</translation>
    </message>
    <message>
        <source>对应</source>
        <translation>Maps to</translation>
    </message>
    <message>
        <source>按此对应重新读取</source>
        <translation>Read again with this mapping</translation>
    </message>
    <message>
        <source>保存报告…</source>
        <translation>Save report…</translation>
    </message>
    <message>
        <source>文件：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>格式：</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>编码：</source>
        <translation>Encoding:</translation>
    </message>
    <message>
        <source>未注明文件夹的论文保存在：</source>
        <translation>Papers that name no folder are in:</translation>
    </message>
    <message>
        <source>已在库中的论文：</source>
        <translation>Papers already in the catalogue:</translation>
    </message>
    <message>
        <source>CSV 列对应：</source>
        <translation>CSV column mapping:</translation>
    </message>
    <message>
        <source>选择要导入的文件</source>
        <translation>Choose the file to import</translation>
    </message>
    <message>
        <source>文献文件 (*.bib *.ris *.csv *.tsv *.txt);;所有文件 (*)</source>
        <translation>Bibliography files (*.bib *.ris *.csv *.tsv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>正在读取 %1 / %2</source>
        <translation>Reading %1 / %2</translation>
    </message>
    <message>
        <source>无法导入</source>
        <translation>Cannot import</translation>
    </message>
    <message>
        <source>%1 文件，编码 %2，读出 %3 条</source>
        <translation>%1 file, encoding %2, %3 entries read</translation>
    </message>
    <message>
        <source>列对应中缺少：%1</source>
        <translation>The column mapping lacks: %1</translation>
    </message>
    <message>
        <source>文件内重复</source>
        <translation>repeated in the file</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>已处理 %1 / %2</source>
        <translation>Done %1 / %2</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>Import finished</translation>
    </message>
    <message>
        <source>导入报告
文件：%1
时间：%2
录入者：%3

</source>
        <translation>Import report
File: %1
Time: %2
Entered by: %3

</translation>
    </message>
    <message>
        <source>
逐条结果：
</source>
        <translation>
Each entry:
</translation>
    </message>
    <message>
        <source>保存导入报告</source>
        <translation>Save import report</translation>
    </message>
    <message>
        <source>/导入报告.txt</source>
        <translation>/import-report.txt</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>无法写入报告文件：</source>
        <translation>Cannot write the report file: </translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>注意：</source>
        <translation>Note: </translation>
    </message>
</context>
<context>
    <name>TForm_insert_d</name>
    <message>
        <source>插入</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>基本录入信息</source>
        <translation>Basic information</translation>
    </message>
    <message>
        <source>论文题目：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>论文一作：</source>
        <translation>First author:</translation>
    </message>
    <message>
        <source>发表时间：</source>
        <translation>Published:</translation>
    </message>
    <message>
        <source>主要辅助信息（必录）</source>
        <translation>Main details (required)</translation>
    </message>
    <message>
        <source>从PDF读取…</source>
        <translation>Read from PDF…</translation>
    </message>
    <message>
        <source>选择一个论文PDF文件，从中读出题目、作者、关键词和年份，填入各栏</source>
        <translation>Choose a paper's PDF file; its title, authors, keywords and year fill the boxes</translation>
    </message>
    <message>
        <source>论文文件名：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>保存文件夹：</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>可选录入信息</source>
        <translation>Optional information</translation>
    </message>
    <message>
        <source>关键词：</source>
        <translation>Keywords:</translation>
    </message>
    <message>
        <source>作者（排除一作）：</source>
        <translation>Authors (besides the first):</translation>
    </message>
    <message>
        <source>论文分类：</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>备注信息：</source>
        <translation>Remark:</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>数据录入格式：</source>
        <translation>How to enter the data:</translation>
    </message>
    <message>
        <source>1. 发表时间格式为YYYY-MM-DD，月</source>
        <translation>1. The publication time is YYYY-MM-DD; month</translation>
    </message>
    <message>
        <source>份和日期必须给出。</source>
        <translation>and day must be given.</translation>
    </message>
    <message>
        <source>2. 关键词和作者按顺序录入，中间</source>
        <translation>2. Keywords and authors in order,</translation>
    </message>
    <message>
        <source>用“；”（分号）分割,最后不需加</source>
        <translation>separated by "；" (semicolon), none at</translation>
    </message>
    <message>
        <source>分号。关键词最多10项，作者（排</source>
        <translation>the end. At most 10 keywords and 4</translation>
    </message>
    <message>
        <source>除一作）最多4项。</source>
        <translation>authors besides the first.</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>插入作者信息</source>
        <translation>Enter author</translation>
    </message>
    <message>
        <source>选择论文PDF文件</source>
        <translation>Choose the paper's PDF file</translation>
    </message>
    <message>
        <source>PDF文件 (*.pdf *.PDF)</source>
        <translation>PDF files (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>无法读取该PDF文件：</source>
        <translation>Cannot read this PDF file: </translation>
    </message>
</context>
<context>
    <name>TForm_insert_d_a_info</name>
    <message>
        <source>插入作者信息</source>
        <translation>Enter author</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>电子邮箱：</source>
        <translation>E-mail:</translation>
    </message>
</context>
<context>
    <name>TForm_login</name>
    <message>
        <source>登录</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>用户名：</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>请检查您的用户名和密码</source>
        <translation>Please check your user name and password</translation>
    </message>
    <message>
        <source>登录错误</source>
        <translation>Sign-in error</translation>
    </message>
</context>
<context>
    <name>TForm_logout</name>
    <message>
        <source>用户注销</source>
        <translation>Cancel account</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>注意：注销后用户信息将不可恢复</source>
        <translation>Note: a cancelled account cannot be restored</translation>
    </message>
    <message>
        <source>确定注销？</source>
        <translation>Cancel the account?</translation>
    </message>
</context>
<context>
    <name>TForm_main</name>
    <message>
        <source>论文管理系统</source>
        <translation>Paper Catalogue</translation>
    </message>
    <message>
        <source>欢迎使用论文管理系统</source>
        <translation>Welcome to the Paper Catalogue</translation>
    </message>
    <message>
        <source>guest 您好，</source>
        <translation>Hello, guest</translation>
    </message>
    <message>
        <source>系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>用户注销</source>
        <translation>Cancel account</translation>
    </message>
    <message>
        <source>管理表</source>
        <translation>Papers</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>删除（元组）</source>
        <translation>Remove (paper)</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>存储过程</source>
        <translation>Stored procedures</translation>
    </message>
    <message>
        <source>增/删表</source>
        <translation>Create/drop tables</translation>
    </message>
    <message>
        <source>生成表</source>
        <translation>Create table</translation>
    </message>
    <message>
        <source>删除表</source>
        <translation>Drop table</translation>
    </message>
    <message>
        <source>扩展功能</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>使用SQL语言操作</source>
        <translation>SQL console</translation>
    </message>
    <message>
        <source>从文件批量插入元组到数据库</source>
        <translation>Import papers from a file</translation>
    </message>
    <message>
        <source>自动解析论文并导入数据库</source>
        <translation>Read papers from PDF files and import them</translation>
    </message>
    <message>
        <source>管理员功能</source>
        <translation>Administration</translation>
    </message>
    <message>
        <source>用户帐户管理</source>
        <translation>User accounts</translation>
    </message>
    <message>
        <source>查看所有用户</source>
        <translation>All users</translation>
    </message>
    <message>
        <source>添加用户</source>
        <translation>Add user</translation>
    </message>
    <message>
        <source>修改用户</source>
        <translation>Change user</translation>
    </message>
    <message>
        <source>删除用户</source>
        <translation>Remove user</translation>
    </message>
    <message>
        <source>数据库更改</source>
        <translation>Change database</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source> 您好，</source>
        <translation>, hello</translation>
    </message>
    <message>
        <source>查找重复论文</source>
        <translation>Find duplicate papers</translation>
    </message>
    <message>
        <source>全文检索</source>
        <translation>Full-text search</translation>
    </message>
</context>
<context>
    <name>TForm_paper_procedure</name>
    <message>
        <source>存储过程</source>
        <translation>Stored procedures</translation>
    </message>
    <message>
        <source>当前所有存储过程</source>
        <translation>Stored procedures now</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>执行存储过程</source>
        <translation>Run stored procedure</translation>
    </message>
    <message>
        <source>执行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>创建/删除存储过程</source>
        <translation>Create/drop stored procedure</translation>
    </message>
</context>
<context>
    <name>TForm_paper_procedure_cre</name>
    <message>
        <source>创建/删除存储过程</source>
        <translation>Create/drop stored procedure</translation>
    </message>
    <message>
        <source>创建/删除</source>
        <translation>Create/drop</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>TForm_password_update</name>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>用户名：</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>原始密码</source>
        <translation>Current password</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>确认新密码：</source>
        <translation>Confirm new password:</translation>
    </message>
</context>
<context>
    <name>TForm_pdf_import</name>
    <message>
        <source>自动解析论文并导入数据库</source>
        <translation>Read papers from PDF files and import them</translation>
    </message>
    <message>
        <source>选择或拖入PDF文件或文件夹（含子文件夹）</source>
        <translation>Choose or drop PDF files or a folder (with its subfolders)</translation>
    </message>
    <message>
        <source>选择文件…</source>
        <translation>Choose file…</translation>
    </message>
    <message>
        <source>选择文件夹…</source>
        <translation>Choose folder…</translation>
    </message>
    <message>
        <source>PDF文件：</source>
        <translation>PDF files:</translation>
    </message>
    <message>
        <source>已在库中的论文：</source>
        <translation>Papers already in the catalogue:</translation>
    </message>
    <message>
        <source>此文件已在库中（文件夹和文件名相同）</source>
        <translation>This file is in the catalogue already (same folder and file name)</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>选择论文PDF文件</source>
        <translation>Choose the paper's PDF file</translation>
    </message>
    <message>
        <source>PDF文件 (*.pdf *.PDF)</source>
        <translation>PDF files (*.pdf *.PDF)</translation>
    </message>
    <message>
        <source>选择存放论文的文件夹</source>
        <translation>Choose the folder of the papers</translation>
    </message>
    <message>
        <source>%1 个文件或文件夹</source>
        <translation>%1 files or folders</translation>
    </message>
    <message>
        <source>所选位置没有PDF文件</source>
        <translation>No PDF file where chosen</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>已读取 0 / %1</source>
        <translation>Read 0 / %1</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>已读取 %1 / %2，出错 %3</source>
        <translation>Read %1 / %2, %3 with errors</translation>
    </message>
    <message>
        <source>已取消：读取了 %1 / %2，出错 %3</source>
        <translation>Cancelled: read %1 / %2, %3 with errors</translation>
    </message>
    <message>
        <source>读取完毕：%1 个文件，出错 %2</source>
        <translation>Reading done: %1 files, %2 with errors</translation>
    </message>
    <message>
        <source>文件内重复或文件已在库中</source>
        <translation>repeated, or the file is in the catalogue</translation>
    </message>
    <message>
        <source>已导入 %1 / %2</source>
        <translation>Imported %1 / %2</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>Import finished</translation>
    </message>
</context>
<context>
    <name>TForm_select_d</name>
    <message>
        <source>快速查询</source>
        <translation>Quick search</translation>
    </message>
    <message>
        <source>存放地址查询快速入口</source>
        <translation>Quick search for where papers are kept</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>进入普通查询</source>
        <translation>Detailed query</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>（默认查询方式为模糊查询）</source>
        <translation>(texts match anywhere by default)</translation>
    </message>
    <message>
        <source>论文题目：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>论文一作：</source>
        <translation>First author:</translation>
    </message>
    <message>
        <source>发表时间：</source>
        <translation>Published:</translation>
    </message>
</context>
<context>
    <name>TForm_select_d_c</name>
    <message>
        <source>（请勾选查询条件）</source>
        <translation>(tick the criteria)</translation>
    </message>
    <message>
        <source>普通查询</source>
        <translation>Detailed query</translation>
    </message>
    <message>
        <source>主要查询条件</source>
        <translation>Main criteria</translation>
    </message>
    <message>
        <source>论文题目：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>论文一作：</source>
        <translation>First author:</translation>
    </message>
    <message>
        <source>发表时间：</source>
        <translation>Published:</translation>
    </message>
    <message>
        <source>辅助查询条件</source>
        <translation>Further criteria</translation>
    </message>
    <message>
        <source>论文分类：</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>关键词：</source>
        <translation>Keywords:</translation>
    </message>
    <message>
        <source>论文文件名：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>保存文件夹：</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>录入者：</source>
        <translation>Entered by:</translation>
    </message>
    <message>
        <source>录入时间：</source>
        <translation>Entered on:</translation>
    </message>
    <message>
        <source>查询项</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>论文题目</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>论文一作</source>
        <translation>First author</translation>
    </message>
    <message>
        <source>发表时间</source>
        <translation>Published</translation>
    </message>
    <message>
        <source>论文文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>保存文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>论文分类</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>所有作者</source>
        <translation>All authors</translation>
    </message>
    <message>
        <source>所有关键词</source>
        <translation>All keywords</translation>
    </message>
    <message>
        <source>录入者</source>
        <translation>Entered by</translation>
    </message>
    <message>
        <source>录入时间</source>
        <translation>Entered on</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>查询作者信息</source>
        <translation>Author directory</translation>
    </message>
</context>
<context>
    <name>TForm_select_d_c_a</name>
    <message>
        <source>查询作者信息</source>
        <translation>Author directory</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>邮箱：</source>
        <translation>E-mail:</translation>
    </message>
</context>
<context>
    <name>TForm_sql_oper</name>
    <message>
        <source>SQL语言操作</source>
        <translation>SQL console</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TForm_update_d</name>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>选择更新对象</source>
        <translation>Choose what to update</translation>
    </message>
    <message>
        <source>题目/一作/发表时间</source>
        <translation>Title / first author / publication time</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other details</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TForm_update_d_m</name>
    <message>
        <source>更新重要对象</source>
        <translation>Update key details</translation>
    </message>
    <message>
        <source>待更新对象</source>
        <translation>Paper to update</translation>
    </message>
    <message>
        <source>论文题目：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>论文一作：</source>
        <translation>First author:</translation>
    </message>
    <message>
        <source>发表时间：</source>
        <translation>Published:</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>更新为：</source>
        <translation>Change to:</translation>
    </message>
</context>
<context>
    <name>TForm_update_d_o</name>
    <message>
        <source>更新一般对象</source>
        <translation>Update other details</translation>
    </message>
    <message>
        <source>更新对象</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>（精确查询）</source>
        <translation>(exact match)</translation>
    </message>
    <message>
        <source>论文题目：</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>论文一作：</source>
        <translation>First author:</translation>
    </message>
    <message>
        <source>发表时间：</source>
        <translation>Published:</translation>
    </message>
    <message>
        <source>更新项</source>
        <translation>Details to update</translation>
    </message>
    <message>
        <source>论文文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>保存文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>论文分类</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>作者（排除一作）</source>
        <translation>Authors (besides the first)</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>备注信息</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>更新作者信息</source>
        <translation>Update author</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TForm_update_d_o_a_info</name>
    <message>
        <source>更新作者信息</source>
        <translation>Update author</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>电子邮箱：</source>
        <translation>E-mail:</translation>
    </message>
</context>
<context>
    <name>TForm_user_table</name>
    <message>
        <source>所有用户信息</source>
        <translation>All users</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>columns</name>
    <message>
        <source>论文题目</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>论文一作</source>
        <translation>First author</translation>
    </message>
    <message>
        <source>论文二作</source>
        <translation>Second author</translation>
    </message>
    <message>
        <source>论文三作</source>
        <translation>Third author</translation>
    </message>
    <message>
        <source>论文四作</source>
        <translation>Fourth author</translation>
    </message>
    <message>
        <source>论文五作</source>
        <translation>Fifth author</translation>
    </message>
    <message>
        <source>发表时间</source>
        <translation>Published</translation>
    </message>
    <message>
        <source>论文文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>保存文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>论文分类</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>关键词1</source>
        <translation>Keyword 1</translation>
    </message>
    <message>
        <source>关键词2</source>
        <translation>Keyword 2</translation>
    </message>
    <message>
        <source>关键词3</source>
        <translation>Keyword 3</translation>
    </message>
    <message>
        <source>关键词4</source>
        <translation>Keyword 4</translation>
    </message>
    <message>
        <source>关键词5</source>
        <translation>Keyword 5</translation>
    </message>
    <message>
        <source>关键词6</source>
        <translation>Keyword 6</translation>
    </message>
    <message>
        <source>关键词7</source>
        <translation>Keyword 7</translation>
    </message>
    <message>
        <source>关键词8</source>
        <translation>Keyword 8</translation>
    </message>
    <message>
        <source>关键词9</source>
        <translation>Keyword 9</translation>
    </message>
    <message>
        <source>关键词10</source>
        <translation>Keyword 10</translation>
    </message>
    <message>
        <source>录入者</source>
        <translation>Entered by</translation>
    </message>
    <message>
        <source>录入时间</source>
        <translation>Entered on</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>权限（4,3,2分别为管理员、高级用户、普通用户）</source>
        <translation>Right (4 administrator, 3 senior user, 2 ordinary user)</translation>
    </message>
    <message>
        <source>页码</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>摘录</source>
        <translation>Excerpt</translation>
    </message>
</context>
<context>
    <name>duplicates</name>
    <message>
        <source>跳过</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>仍然导入</source>
        <translation>Import anyway</translation>
    </message>
    <message>
        <source>更新库中那篇论文</source>
        <translation>Update that paper in the catalogue</translation>
    </message>
</context>
<context>
    <name>duplicates::SimilarPapersBox</name>
    <message>
        <source>库中可能已有这篇论文（仅作提示，“插入”照常进行）：</source>
        <translation>The catalogue may already hold this paper (a hint only; "Enter" works as usual):</translation>
    </message>
    <message>
        <source>论文题目</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>论文一作</source>
        <translation>First author</translation>
    </message>
    <message>
        <source>发表时间</source>
        <translation>Published</translation>
    </message>
    <message>
        <source>保存文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>论文文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>依据</source>
        <translation>Why</translation>
    </message>
</context>
<context>
    <name>exchange::ImportForm</name>
    <message>
        <source>全选</source>
        <translation>Tick all</translation>
    </message>
    <message>
        <source>全不选</source>
        <translation>Untick all</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>没有勾选可导入的论文</source>
        <translation>No importable paper is ticked</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>fulltext</name>
    <message>
        <source>已索引 %1 篇论文、%2 页，索引共占 %3</source>
        <translation>%1 papers and %2 pages indexed; the index takes %3</translation>
    </message>
    <message>
        <source>找到 %1 篇论文</source>
        <translation>%1 papers found</translation>
    </message>
    <message>
        <source>，显示前 %1 篇</source>
        <translation>, the first %1 shown</translation>
    </message>
    <message>
        <source>索引中断：</source>
        <translation>Indexing stopped: </translation>
    </message>
    <message>
        <source>%1：新索引 %2 个文件，未变 %3 个，未找到 %4 个，无法读取 %5 个</source>
        <translation>%1: %2 files newly indexed, %3 unchanged, %4 not found, %5 unreadable</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>索引完成</source>
        <translation>Indexing done</translation>
    </message>
    <message>
        <source>未找到文件：</source>
        <translation>File not found: </translation>
    </message>
    <message>
        <source>无法读取：</source>
        <translation>Cannot read: </translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>必须选择权限</source>
        <translation>A right must be chosen</translation>
    </message>
    <message>
        <source>用户名首尾不能有空白，也不能是guest</source>
        <translation>A user name cannot begin or end with a blank, nor be guest</translation>
    </message>
    <message>
        <source>用户名和密码不能为空</source>
        <translation>User name and password cannot be empty</translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>已生成新用户</source>
        <translation>The new user was created</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>生成新用户失败（未知错误）</source>
        <translation>Creating the user failed (unknown error)</translation>
    </message>
    <message>
        <source>权限更改成功</source>
        <translation>Right changed</translation>
    </message>
    <message>
        <source>权限更改失败（未知错误）</source>
        <translation>Changing the right failed (unknown error)</translation>
    </message>
    <message>
        <source>新账户名和新密码不能为空</source>
        <translation>New account name and new password cannot be empty</translation>
    </message>
    <message>
        <source>管理员账户名、密码修改成功</source>
        <translation>Administrator name and password changed</translation>
    </message>
    <message>
        <source>修改失败（未知错误）</source>
        <translation>Change failed (unknown error)</translation>
    </message>
    <message>
        <source>删除成功</source>
        <translation>Removed</translation>
    </message>
    <message>
        <source>删除失败（未知错误）</source>
        <translation>Removal failed (unknown error)</translation>
    </message>
    <message>
        <source>普通用户</source>
        <translation>Ordinary user</translation>
    </message>
    <message>
        <source>高级用户</source>
        <translation>Senior user</translation>
    </message>
    <message>
        <source>1.创建时，下方的可编辑区域中&lt;/#&gt;为需</source>
        <translation>1. To create, edit the parts marked &lt;/#&gt;</translation>
    </message>
    <message>
        <source>要编辑的部分；删除时，需自行编写语</source>
        <translation>in the box below; to drop, write the</translation>
    </message>
    <message>
        <source>句。</source>
        <translation>statement yourself.</translation>
    </message>
    <message>
        <source>2.本程序中的存储过程执行部分无法支持</source>
        <translation>2. Running procedures here does not support</translation>
    </message>
    <message>
        <source>复杂的存储过程，故若想在本程序中执</source>
        <translation>complex procedures: to run one in this</translation>
    </message>
    <message>
        <source>行，创建的存储过程只可含有简单的查</source>
        <translation>program, it may hold only simple</translation>
    </message>
    <message>
        <source>询语句。</source>
        <translation>queries.</translation>
    </message>
    <message>
        <source>存储过程执行失败（未知原因）</source>
        <translation>The procedure failed (unknown reason)</translation>
    </message>
    <message>
        <source>存储过程创建成功</source>
        <translation>Procedure created</translation>
    </message>
    <message>
        <source>存储过程删除成功</source>
        <translation>Procedure dropped</translation>
    </message>
    <message>
        <source>存储过程创建/删除失败（未知原因）</source>
        <translation>Creating/dropping the procedure failed (unknown reason)</translation>
    </message>
    <message>
        <source>生成表失败（未知错误）</source>
        <translation>Creating the table failed (unknown error)</translation>
    </message>
    <message>
        <source>删除表失败（未知错误）</source>
        <translation>Dropping the table failed (unknown error)</translation>
    </message>
    <message>
        <source>删除表成功</source>
        <translation>Table dropped</translation>
    </message>
    <message>
        <source>权限错误</source>
        <translation>Right error</translation>
    </message>
    <message>
        <source>您没有权限/管理员请通过正常途径操作</source>
        <translation>You have no right to do this / administrators please use the proper way</translation>
    </message>
    <message>
        <source>正在执行</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>正在执行数据库语句，请稍候……</source>
        <translation>Running a database statement, please wait…</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在取消……</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>查询失败</source>
        <translation>Search failed</translation>
    </message>
    <message>
        <source>为查询到此作者</source>
        <translation>This author was not found</translation>
    </message>
    <message>
        <source>插入成功</source>
        <translation>Paper entered</translation>
    </message>
    <message>
        <source>插入作者信息成功</source>
        <translation>Author entered</translation>
    </message>
    <message>
        <source>插入失败</source>
        <translation>Entry failed</translation>
    </message>
    <message>
        <source>插入作者信息失败（未知错误）</source>
        <translation>Entering the author failed (unknown error)</translation>
    </message>
    <message>
        <source>删除作者信息成功</source>
        <translation>Author removed</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Removal failed</translation>
    </message>
    <message>
        <source>删除作者信息失败（未知错误）</source>
        <translation>Removing the author failed (unknown error)</translation>
    </message>
    <message>
        <source>更新作者信息成功</source>
        <translation>Author updated</translation>
    </message>
    <message>
        <source>更新作者信息失败（未知错误）</source>
        <translation>Updating the author failed (unknown error)</translation>
    </message>
    <message>
        <source>插入失败（未知错误）</source>
        <translation>Entry failed (unknown error)</translation>
    </message>
    <message>
        <source>元组不存在/未知错误</source>
        <translation>No such paper / unknown error</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>未找到对应地址</source>
        <translation>No place found for it</translation>
    </message>
    <message>
        <source>未查询到/未知查询错误</source>
        <translation>Nothing found / unknown query error</translation>
    </message>
    <message>
        <source>更新成功</source>
        <translation>Updated</translation>
    </message>
    <message>
        <source>更新失败（未知错误）</source>
        <translation>Update failed (unknown error)</translation>
    </message>
    <message>
        <source>请选择更新项</source>
        <translation>Please choose what to update</translation>
    </message>
    <message>
        <source>未设置数据库连接（连接字符串为空）</source>
        <translation>No database connection set (the connection string is empty)</translation>
    </message>
    <message>
        <source>数据库错误（驱动没有给出原因）</source>
        <translation>Database error (the driver gave no reason)</translation>
    </message>
    <message>
        <source>值过长或不合列的要求，未保存：</source>
        <translation>A value is too long or does not suit its column; not saved: </translation>
    </message>
    <message>
        <source>语句中含有空字符（NUL），未发送</source>
        <translation>The statement holds a NUL character; not sent</translation>
    </message>
    <message>
        <source>读取结果时已取消</source>
        <translation>Cancelled while reading the result</translation>
    </message>
    <message>
        <source>语句已取消：服务器上的执行已被停止</source>
        <translation>Statement cancelled: the server stopped running it</translation>
    </message>
    <message>
        <source>这个窗口的上一条语句还没有执行完</source>
        <translation>This window's previous statement has not finished yet</translation>
    </message>
    <message>
        <source>语句没有返回结果集</source>
        <translation>The statement returned no result</translation>
    </message>
    <message>
        <source>结果集未打开</source>
        <translation>No result is open</translation>
    </message>
    <message>
        <source>不导入</source>
        <translation>Do not import</translation>
    </message>
    <message>
        <source>条目键</source>
        <translation>Entry key</translation>
    </message>
    <message>
        <source>所有作者</source>
        <translation>All authors</translation>
    </message>
    <message>
        <source>其他作者（每列一位）</source>
        <translation>Further authors (one a column)</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Keywords</translation>
    </message>
    <message>
        <source>文件路径或网址</source>
        <translation>File path or address</translation>
    </message>
    <message>
        <source>（或所有作者）</source>
        <translation>(or all authors)</translation>
    </message>
    <message>
        <source>没有可导出的结果</source>
        <translation>No result to export</translation>
    </message>
    <message>
        <source>结果中没有论文题目、论文一作和发表时间，只能导出为 CSV</source>
        <translation>The result lacks title, first author and publication time; it can only be exported as CSV</translation>
    </message>
    <message>
        <source>无法写入文件：</source>
        <translation>Cannot write the file: </translation>
    </message>
    <message>
        <source>导出为 CSV…</source>
        <translation>Export as CSV…</translation>
    </message>
    <message>
        <source>导出为 BibTeX…</source>
        <translation>Export as BibTeX…</translation>
    </message>
    <message>
        <source>导出为 RIS…</source>
        <translation>Export as RIS…</translation>
    </message>
    <message>
        <source>导出结果</source>
        <translation>Export result</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>文件没有表头行</source>
        <translation>The file has no header row</translation>
    </message>
    <message>
        <source>无法识别文件格式（支持 BibTeX .bib、RIS .ris、CSV/TSV）</source>
        <translation>Unknown file format (BibTeX .bib, RIS .ris and CSV/TSV are read)</translation>
    </message>
    <message>
        <source>读取文件失败：</source>
        <translation>Reading the file failed: </translation>
    </message>
    <message>
        <source>已停止读取文件，没有读出任何条目</source>
        <translation>Reading stopped; no entry was read</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>更新</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>可导入</source>
        <translation>ready</translation>
    </message>
    <message>
        <source>需注意</source>
        <translation>needs attention</translation>
    </message>
    <message>
        <source>文件内重复</source>
        <translation>repeated in the file</translation>
    </message>
    <message>
        <source>已在库中</source>
        <translation>in the catalogue</translation>
    </message>
    <message>
        <source>不能导入</source>
        <translation>not importable</translation>
    </message>
    <message>
        <source>其他作者：</source>
        <translation>Further authors: </translation>
    </message>
    <message>
        <source>发表时间不是 YYYY-MM-DD、YYYY-MM 或 YYYY</source>
        <translation>The publication time is not YYYY-MM-DD, YYYY-MM or YYYY</translation>
    </message>
    <message>
        <source>其他关键词：</source>
        <translation>Further keywords: </translation>
    </message>
    <message>
        <source>缺少论文题目</source>
        <translation>No title</translation>
    </message>
    <message>
        <source>缺少论文一作</source>
        <translation>No first author</translation>
    </message>
    <message>
        <source>缺少发表时间</source>
        <translation>No publication time</translation>
    </message>
    <message>
        <source>缺少论文文件名</source>
        <translation>No file name</translation>
    </message>
    <message>
        <source>缺少保存文件夹</source>
        <translation>No folder</translation>
    </message>
    <message>
        <source>论文已在库中（同一论文键）</source>
        <translation>The paper is in the catalogue (same paper key)</translation>
    </message>
    <message>
        <source>已导入</source>
        <translation>imported</translation>
    </message>
    <message>
        <source>已更新</source>
        <translation>updated</translation>
    </message>
    <message>
        <source>已跳过</source>
        <translation>skipped</translation>
    </message>
    <message>
        <source>未写入</source>
        <translation>not written</translation>
    </message>
    <message>
        <source>有语句未影响任何行（未知错误）</source>
        <translation>A statement affected no row (unknown error)</translation>
    </message>
    <message>
        <source>本批未能提交（连接中断或事务被回滚）</source>
        <translation>This batch was not committed (connection lost or transaction rolled back)</translation>
    </message>
    <message>
        <source>用户取消</source>
        <translation>Cancelled by the user</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>论文键</source>
        <translation>Paper key</translation>
    </message>
    <message>
        <source>其他作者</source>
        <translation>Further authors</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>导入结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>文件不存在：</source>
        <translation>No such file: </translation>
    </message>
    <message>
        <source>无法读取文件：</source>
        <translation>Cannot read the file: </translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>打开论文文件</source>
        <translation>Open paper file</translation>
    </message>
    <message>
        <source>查询结果中没有“论文文件名”和“保存文件夹”两项，无法打开论文文件</source>
        <translation>The result has no "File name" and "Folder" columns; the paper's file cannot be opened</translation>
    </message>
    <message>
        <source>这篇论文没有登记文件名</source>
        <translation>This paper has no file name</translation>
    </message>
    <message>
        <source>没有能打开这个文件的程序：</source>
        <translation>No program can open this file: </translation>
    </message>
    <message>
        <source>第一页没有文字（可能是扫描件）</source>
        <translation>The first page has no text (perhaps a scan)</translation>
    </message>
    <message>
        <source>未能读出题目</source>
        <translation>No title could be read</translation>
    </message>
    <message>
        <source>未能读出作者</source>
        <translation>No author could be read</translation>
    </message>
    <message>
        <source>未能读出年份</source>
        <translation>No year could be read</translation>
    </message>
    <message>
        <source>年份取自文件的创建日期</source>
        <translation>The year comes from the file's creation date</translation>
    </message>
    <message>
        <source>读取程序的回答无法识别</source>
        <translation>The reader's answer could not be understood</translation>
    </message>
    <message>
        <source>文件名含有换行符，无法读取</source>
        <translation>The file name holds a line break; it cannot be read</translation>
    </message>
    <message>
        <source>无法启动PDF读取程序</source>
        <translation>The PDF reader could not be started</translation>
    </message>
    <message>
        <source>读取此文件时PDF库崩溃</source>
        <translation>The PDF library crashed on this file</translation>
    </message>
    <message>
        <source>新密码不能为空</source>
        <translation>The new password cannot be empty</translation>
    </message>
    <message>
        <source>原密码错误</source>
        <translation>Wrong current password</translation>
    </message>
    <message>
        <source>原密码不正确</source>
        <translation>The current password is not right</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>Passwords differ</translation>
    </message>
    <message>
        <source>新密码与确认密码不同</source>
        <translation>The new password and its confirmation differ</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>Password changed</translation>
    </message>
    <message>
        <source>密码修改失败（未知原因）</source>
        <translation>Changing the password failed (unknown reason)</translation>
    </message>
    <message>
        <source>注销成功</source>
        <translation>Account cancelled</translation>
    </message>
    <message>
        <source>注销失败（未知错误）</source>
        <translation>Cancelling failed (unknown error)</translation>
    </message>
    <message>
        <source>不通过</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>不能连接服务器</source>
        <translation>Cannot connect to the server</translation>
    </message>
    <message>
        <source>通过</source>
        <translation>Passed</translation>
    </message>
    <message>
        <source>测试通过</source>
        <translation>Test passed</translation>
    </message>
    <message>
        <source>（更新库中论文）</source>
        <translation> (updates the paper in the catalogue)</translation>
    </message>
    <message>
        <source>可能重复</source>
        <translation>Possible duplicate</translation>
    </message>
    <message>
        <source>语句中有分号、注释或双引号，这个窗口不发送（只发送单条语句）</source>
        <translation>The statement holds a semicolon, a comment or a double quote; this window sends single statements only, so it was not sent</translation>
    </message>
</context>
</TS>