-- Brings a database made with an earlier schema up to date: the author directory gets the
-- invisible row key that a replicated (Galera) cluster needs on every table. Statements that
-- insert by position or select * are unchanged by it. Safe to run twice.
ALTER TABLE author_info
  ADD COLUMN IF NOT EXISTS author_info_id BIGINT UNSIGNED NOT NULL AUTO_INCREMENT INVISIBLE PRIMARY KEY;
