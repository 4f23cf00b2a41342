-- Sample data of the paper catalogue: three sign-in accounts, three authors and
-- twelve papers. A paper's Paperid is title + "$" + author_1 + "$" + pub_time and it
-- has one row in each of main, author_all, kword_all, address and type_in.
-- Rights: "4" administrator, "3" senior user, "2" ordinary user.

INSERT INTO username_password (username, password) VALUES
  ('admin', 'admin123'),
  ('editor', 'editor123'),
  ('reader', 'reader123');
INSERT INTO username_rightid (username, rightid) VALUES
  ('admin', '4'),
  ('editor', '3'),
  ('reader', '2');

INSERT INTO author_info (author, email) VALUES
  ('张伟', 'zhangwei@example.edu.cn'),
  ('John Smith', 'john.smith@example.org'),
  ('李娜', 'lina@example.edu.cn');

INSERT INTO main (Paperid, title, author_1, pub_time) VALUES
  ('基于深度学习的图像识别研究$张伟$2019-03-15', '基于深度学习的图像识别研究', '张伟', '2019-03-15'),
  ('A Survey of Query Optimization in Relational Databases$John Smith$2018-07-01', 'A Survey of Query Optimization in Relational Databases', 'John Smith', '2018-07-01'),
  ('分布式系统中的一致性协议$李娜$2020-11-20', '分布式系统中的一致性协议', '李娜', '2020-11-20'),
  ('Efficient Indexing for Large-Scale Text Retrieval$Maria Garcia$2021-02-10', 'Efficient Indexing for Large-Scale Text Retrieval', 'Maria Garcia', '2021-02-10'),
  ('中文分词算法比较$王强$2017-05-08', '中文分词算法比较', '王强', '2017-05-08'),
  ('Graph Neural Networks for Recommendation$Wei Zhang$2022-09-30', 'Graph Neural Networks for Recommendation', 'Wei Zhang', '2022-09-30'),
  ('云计算环境下的资源调度$赵敏$2019-12-01', '云计算环境下的资源调度', '赵敏', '2019-12-01'),
  ('A Practitioner''s Guide to Software Testing$John Smith$2016-04-22', 'A Practitioner''s Guide to Software Testing', 'John Smith', '2016-04-22'),
  ('数据仓库设计与实现$张伟$2021-06-18', '数据仓库设计与实现', '张伟', '2021-06-18'),
  ('Blockchain-Based Data Sharing: A Case Study$Alice Brown$2023-01-05', 'Blockchain-Based Data Sharing: A Case Study', 'Alice Brown', '2023-01-05'),
  ('量子计算入门综述$陈晨$2022-03-14', '量子计算入门综述', '陈晨', '2022-03-14'),
  ('Machine Translation with Transformers$Maria Garcia$2020-08-08', 'Machine Translation with Transformers', 'Maria Garcia', '2020-08-08');

INSERT INTO author_all (Paperid, author_1, author_2, author_3, author_4, author_5) VALUES
  ('基于深度学习的图像识别研究$张伟$2019-03-15', '张伟', '李娜', '王强', NULL, NULL),
  ('A Survey of Query Optimization in Relational Databases$John Smith$2018-07-01', 'John Smith', 'Alice Brown', NULL, NULL, NULL),
  ('分布式系统中的一致性协议$李娜$2020-11-20', '李娜', NULL, NULL, NULL, NULL),
  ('Efficient Indexing for Large-Scale Text Retrieval$Maria Garcia$2021-02-10', 'Maria Garcia', 'Wei Zhang', 'John Smith', 'Alice Brown', '李娜'),
  ('中文分词算法比较$王强$2017-05-08', '王强', '赵敏', NULL, NULL, NULL),
  ('Graph Neural Networks for Recommendation$Wei Zhang$2022-09-30', 'Wei Zhang', 'Maria Garcia', NULL, NULL, NULL),
  ('云计算环境下的资源调度$赵敏$2019-12-01', '赵敏', '陈晨', '张伟', NULL, NULL),
  ('A Practitioner''s Guide to Software Testing$John Smith$2016-04-22', 'John Smith', NULL, NULL, NULL, NULL),
  ('数据仓库设计与实现$张伟$2021-06-18', '张伟', '王强', NULL, NULL, NULL),
  ('Blockchain-Based Data Sharing: A Case Study$Alice Brown$2023-01-05', 'Alice Brown', '陈晨', NULL, NULL, NULL),
  ('量子计算入门综述$陈晨$2022-03-14', '陈晨', NULL, NULL, NULL, NULL),
  ('Machine Translation with Transformers$Maria Garcia$2020-08-08', 'Maria Garcia', 'John Smith', '赵敏', 'Wei Zhang', NULL);

INSERT INTO kword_all (Paperid, kword_1, kword_2, kword_3, kword_4, kword_5, kword_6, kword_7, kword_8, kword_9, kword_a) VALUES
  ('基于深度学习的图像识别研究$张伟$2019-03-15', '深度学习', '图像识别', '卷积神经网络', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('A Survey of Query Optimization in Relational Databases$John Smith$2018-07-01', 'query optimization', 'relational database', 'cost model', NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('分布式系统中的一致性协议$李娜$2020-11-20', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('Efficient Indexing for Large-Scale Text Retrieval$Maria Garcia$2021-02-10', 'inverted index', 'compression', 'text retrieval', 'search engine', 'ranking', 'caching', 'query processing', 'scalability', 'evaluation', 'benchmark'),
  ('中文分词算法比较$王强$2017-05-08', NULL, NULL, NULL, '自然语言处理', NULL, NULL, NULL, NULL, NULL, NULL),
  ('Graph Neural Networks for Recommendation$Wei Zhang$2022-09-30', 'graph neural network', 'recommender system', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('云计算环境下的资源调度$赵敏$2019-12-01', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('A Practitioner''s Guide to Software Testing$John Smith$2016-04-22', 'software testing', 'unit test', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('数据仓库设计与实现$张伟$2021-06-18', '数据仓库', 'ETL', 'OLAP', '维度建模', NULL, NULL, NULL, NULL, NULL, NULL),
  ('Blockchain-Based Data Sharing: A Case Study$Alice Brown$2023-01-05', 'blockchain', 'data sharing', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('量子计算入门综述$陈晨$2022-03-14', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('Machine Translation with Transformers$Maria Garcia$2020-08-08', 'machine translation', 'transformer', 'attention', NULL, NULL, NULL, NULL, NULL, NULL, NULL);

INSERT INTO address (Paperid, filename, dir, catalog, remark) VALUES
  ('基于深度学习的图像识别研究$张伟$2019-03-15', '基于深度学习的图像识别研究.pdf', 'D:\\论文\\2019', '人工智能', '核心期刊'),
  ('A Survey of Query Optimization in Relational Databases$John Smith$2018-07-01', 'A Survey of Query Optimization in Relational Databases.pdf', 'D:\\论文\\2018', 'Databases', NULL),
  ('分布式系统中的一致性协议$李娜$2020-11-20', '分布式系统中的一致性协议.pdf', 'D:\\论文\\2020', NULL, NULL),
  ('Efficient Indexing for Large-Scale Text Retrieval$Maria Garcia$2021-02-10', 'Efficient Indexing for Large-Scale Text Retrieval.pdf', 'D:\\论文\\2021', 'Information Retrieval', 'full keyword list'),
  ('中文分词算法比较$王强$2017-05-08', '中文分词算法比较.pdf', 'D:\\论文\\2017', '自然语言处理', '只有第四个关键词'),
  ('Graph Neural Networks for Recommendation$Wei Zhang$2022-09-30', 'Graph Neural Networks for Recommendation.pdf', 'D:\\论文\\2022', 'Machine Learning', NULL),
  ('云计算环境下的资源调度$赵敏$2019-12-01', '云计算环境下的资源调度.pdf', 'D:\\论文\\2019', NULL, '待补充关键词'),
  ('A Practitioner''s Guide to Software Testing$John Smith$2016-04-22', 'A Practitioners Guide to Software Testing.pdf', 'D:\\论文\\2016', 'Software Engineering', 'title holds an apostrophe'),
  ('数据仓库设计与实现$张伟$2021-06-18', '数据仓库设计与实现.pdf', 'D:\\论文\\2021', '数据库', '学位论文'),
  ('Blockchain-Based Data Sharing: A Case Study$Alice Brown$2023-01-05', 'Blockchain-Based Data Sharing A Case Study.pdf', 'D:\\论文\\2023', 'Security', NULL),
  ('量子计算入门综述$陈晨$2022-03-14', '量子计算入门综述.pdf', 'D:\\论文\\2022', '量子计算', NULL),
  ('Machine Translation with Transformers$Maria Garcia$2020-08-08', 'Machine Translation with Transformers.pdf', 'D:\\论文\\2020', 'Natural Language Processing', '会议论文');

INSERT INTO type_in (Paperid, typist, type_time) VALUES
  ('基于深度学习的图像识别研究$张伟$2019-03-15', 'admin', '2024-05-06'),
  ('A Survey of Query Optimization in Relational Databases$John Smith$2018-07-01', 'admin', '2024-05-06'),
  ('分布式系统中的一致性协议$李娜$2020-11-20', 'admin', '2024-05-07'),
  ('Efficient Indexing for Large-Scale Text Retrieval$Maria Garcia$2021-02-10', 'admin', '2024-05-07'),
  ('中文分词算法比较$王强$2017-05-08', 'admin', '2024-05-08'),
  ('Graph Neural Networks for Recommendation$Wei Zhang$2022-09-30', 'admin', '2024-05-08'),
  ('云计算环境下的资源调度$赵敏$2019-12-01', 'admin', '2024-05-09'),
  ('A Practitioner''s Guide to Software Testing$John Smith$2016-04-22', 'admin', '2024-05-09'),
  ('数据仓库设计与实现$张伟$2021-06-18', 'admin', '2024-05-10'),
  ('Blockchain-Based Data Sharing: A Case Study$Alice Brown$2023-01-05', 'admin', '2024-05-10'),
  ('量子计算入门综述$陈晨$2022-03-14', 'admin', '2024-05-11'),
  ('Machine Translation with Transformers$Maria Garcia$2020-08-08', 'admin', '2024-05-11');
