-- ZOVA database. Columns stand in the order the positional inserts write them.
-- The server runs with lower_case_table_names=1 and case-insensitive collations.

CREATE TABLE clientes (
  id INT NOT NULL,
  contrato VARCHAR(20) NULL,
  titular VARCHAR(150) NULL,
  vendedor VARCHAR(80) NULL,
  cobrador VARCHAR(80) NULL,
  nascimento DATE NULL,
  sexo VARCHAR(15) NULL,
  rg VARCHAR(20) NULL,
  cpf VARCHAR(14) NULL,
  estadocivil VARCHAR(20) NULL,
  endereco VARCHAR(150) NULL,
  numero VARCHAR(10) NULL,
  telefone VARCHAR(15) NULL,
  celular VARCHAR(15) NULL,
  bairro VARCHAR(80) NULL,
  cidade VARCHAR(80) NULL,
  cep VARCHAR(10) NULL,
  uf VARCHAR(2) NULL,
  plano VARCHAR(10) NULL,
  pagamento VARCHAR(50) NULL,
  datacontrato DATE NULL,
  vencimento VARCHAR(2) NULL,
  valorparcela DECIMAL(10,2) NULL,
  status VARCHAR(10) NULL,
  tipo VARCHAR(15) NULL,
  utilizou VARCHAR(3) NULL,
  codrota VARCHAR(20) NULL,
  carne INT NULL,
  religiao VARCHAR(50) NULL,
  ultimaparcela INT NULL,
  ultimovencimento VARCHAR(2) NULL,
  seguro INT NULL,
  PRIMARY KEY (id),
  KEY clientes_status (status),
  KEY clientes_status_titular (status, titular),
  KEY clientes_contrato (contrato),
  KEY clientes_cpf (cpf)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE dependentes (
  id INT NOT NULL,
  id_cliente INT NULL,
  nome VARCHAR(80) NULL,
  sexo VARCHAR(15) NULL,
  grau VARCHAR(20) NULL,
  nascimento VARCHAR(10) NULL,
  cpf VARCHAR(14) NULL,
  rg VARCHAR(20) NULL,
  falecimento VARCHAR(10) NULL,
  status VARCHAR(7) NULL,
  PRIMARY KEY (id),
  KEY dependentes_cliente (id_cliente),
  KEY dependentes_nome (nome)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE historico (
  id INT NOT NULL,
  id_cliente INT NOT NULL,
  historico TEXT NULL,
  data DATE NULL,
  PRIMARY KEY (id_cliente, id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE planos (
  id INT NOT NULL,
  nome_plano VARCHAR(50) NULL,
  descricao_plano VARCHAR(400) NULL,
  valor_plano DECIMAL(10,2) NULL,
  valor_reajuste_anual DECIMAL(10,2) NULL,
  valor_dep_extra DECIMAL(10,2) NULL,
  valor_seguro DECIMAL(10,2) NULL,
  PRIMARY KEY (id),
  KEY planos_nome (nome_plano)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE cobradores (
  id INT NOT NULL,
  nome VARCHAR(80) NULL,
  nascimento DATE NULL,
  sexo VARCHAR(15) NULL,
  rg VARCHAR(20) NULL,
  cpf VARCHAR(14) NULL,
  estadocivil VARCHAR(20) NULL,
  endereco VARCHAR(150) NULL,
  numero VARCHAR(10) NULL,
  bairro VARCHAR(80) NULL,
  cidade VARCHAR(80) NULL,
  uf VARCHAR(2) NULL,
  cep VARCHAR(10) NULL,
  telefone VARCHAR(15) NULL,
  celular VARCHAR(15) NULL,
  status VARCHAR(10) NULL,
  PRIMARY KEY (id),
  KEY cobradores_nome (nome)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE vendedores (
  id INT NOT NULL,
  nome VARCHAR(80) NULL,
  nascimento DATE NULL,
  sexo VARCHAR(15) NULL,
  rg VARCHAR(20) NULL,
  cpf VARCHAR(14) NULL,
  estadocivil VARCHAR(20) NULL,
  endereco VARCHAR(150) NULL,
  numero VARCHAR(10) NULL,
  bairro VARCHAR(80) NULL,
  cidade VARCHAR(80) NULL,
  uf VARCHAR(2) NULL,
  cep VARCHAR(10) NULL,
  telefone VARCHAR(15) NULL,
  celular VARCHAR(15) NULL,
  status VARCHAR(10) NULL,
  PRIMARY KEY (id),
  KEY vendedores_nome (nome)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE boleto (
  id_boleto INT NULL,
  id_cliente INT NOT NULL,
  parcela_boleto INT NOT NULL,
  valor_parcela_boleto DECIMAL(10,2) NULL,
  vencimento_parcela_boleto DATE NULL,
  status_parcela_boleto VARCHAR(10) NULL,
  pgto_parcela_boleto DATE NULL,
  barcode VARCHAR(12) NULL,
  f_pagamento VARCHAR(50) NULL,
  KEY boleto_cliente_parcela (id_cliente, parcela_boleto),
  KEY boleto_vencimento (vencimento_parcela_boleto),
  KEY boleto_pgto (pgto_parcela_boleto)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE boleto_atrasado (
  id_boleto INT NULL,
  id_cliente INT NOT NULL,
  parcela_boleto INT NOT NULL,
  valor_parcela_boleto DECIMAL(10,2) NULL,
  vencimento_parcela_boleto DATE NULL,
  status_parcela_boleto VARCHAR(10) NULL,
  pgto_parcela_boleto DATE NULL,
  barcode VARCHAR(12) NULL,
  f_pagamento VARCHAR(50) NULL,
  KEY boleto_atrasado_cliente_parcela (id_cliente, parcela_boleto),
  KEY boleto_atrasado_vencimento (vencimento_parcela_boleto)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE boleto_fechado (
  id_boleto INT NULL,
  id_cliente INT NOT NULL,
  parcela_boleto INT NOT NULL,
  valor_parcela_boleto DECIMAL(10,2) NULL,
  vencimento_parcela_boleto DATE NULL,
  status_parcela_boleto VARCHAR(10) NULL,
  pgto_parcela_boleto DATE NULL,
  f_pagamento VARCHAR(50) NULL,
  KEY boleto_fechado_cliente_parcela (id_cliente, parcela_boleto),
  KEY boleto_fechado_pgto (pgto_parcela_boleto)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE carne_entregue (
  id_cliente INT NOT NULL,
  PRIMARY KEY (id_cliente)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE caixa (
  id INT NOT NULL,
  cod_titular INT NULL,
  titular VARCHAR(150) NULL,
  parcela INT NULL,
  cobrador VARCHAR(80) NULL,
  valor DECIMAL(10,2) NULL,
  vencimento DATE NULL,
  pagamento DATE NULL,
  moeda VARCHAR(20) NULL,
  PRIMARY KEY (id),
  KEY caixa_pagamento (pagamento),
  KEY caixa_titular (cod_titular, parcela)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE adesao (
  id INT NOT NULL,
  id_cliente INT NULL,
  vendedor VARCHAR(80) NULL,
  valor DECIMAL(10,2) NULL,
  data DATE NULL,
  PRIMARY KEY (id),
  KEY adesao_cliente (id_cliente)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE externo (
  Codigo INT NOT NULL,
  Data DATE NULL,
  Cobrador VARCHAR(150) NULL,
  ValorBruto DECIMAL(10,2) NULL,
  Comissao DECIMAL(10,2) NULL,
  ValorComissao DECIMAL(10,2) NULL,
  Despesas DECIMAL(10,2) NULL,
  DescDespesa VARCHAR(150) NULL,
  Ticket INT NULL,
  ValorLiquido DECIMAL(10,2) NULL,
  Cidade VARCHAR(50) NULL,
  PRIMARY KEY (Codigo),
  KEY externo_data (Data)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE operador (
  Nome VARCHAR(80) NULL,
  SenhaAcesso VARCHAR(8) NULL,
  LoginAcesso VARCHAR(8) NULL,
  DataCadastro DATE NULL,
  KEY operador_login (LoginAcesso)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE parametros (
  InativarDias INT NULL,
  CarenciaDias INT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE log (
  codigo INT NOT NULL,
  login VARCHAR(80) NULL,
  acao VARCHAR(500) NULL,
  data DATE NULL,
  hora TIME NULL,
  PRIMARY KEY (codigo),
  KEY log_data (data),
  KEY log_login (login)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE backups (
  NomeBKP VARCHAR(255) NULL,
  TamanhoBKP VARCHAR(50) NULL,
  DataBKP DATE NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;

CREATE TABLE temporaria (
  id INT NULL,
  titular VARCHAR(150) NULL,
  situacao VARCHAR(10) NULL,
  cidade VARCHAR(100) NULL,
  valor DECIMAL(10,2) NULL,
  total INT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci;
